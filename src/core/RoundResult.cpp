#include "core/RoundResult.h"

#include <QMetaEnum>

namespace Wordrow {

namespace {

struct Names
{
    QList<RoundResult> results;
    QStringList names;
};

// Made once: the record reads a name for every round it gives back.
const Names &names()
{
    static const Names all = [] {
        const QMetaEnum meta = QMetaEnum::fromType<RoundResult>();
        Names made;
        for (int i = 0; i < meta.keyCount(); ++i) {
            made.results.append(RoundResult(meta.value(i)));
            made.names.append(QString::fromLatin1(meta.key(i)).toLower());
        }
        return made;
    }();
    return all;
}

} // namespace

QString resultName(RoundResult result)
{
    return names().names.value(names().results.indexOf(result));
}

std::optional<RoundResult> resultFromName(QStringView name)
{
    const qsizetype i = names().names.indexOf(name);
    if (i < 0)
        return std::nullopt;
    return names().results[i];
}

const QStringList &resultNames()
{
    return names().names;
}

} // namespace Wordrow
