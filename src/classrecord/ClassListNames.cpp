#include "classrecord/ClassListNames.h"

#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

bool unsafe(QChar c)
{
    // Separators, NUL and control characters, and what other systems refuse in a file name, so
    // the folder can be copied to a stick too.
    return c.category() == QChar::Other_Control || c.isSurrogate() || u"/\\:*?\"<>|"_s.contains(c);
}

} // namespace

QString ClassListNames::cleaned(const QString &name)
{
    QString kept;
    kept.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        // A pair of surrogates is one character: kept whole.
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            kept += name.mid(i, 2);
            ++i;
        } else {
            kept += unsafe(c) ? u'_' : c;
        }
    }
    // No hidden file, no "." or "..": leading dots go, with the blanks around them.
    qsizetype start = 0;
    while (start < kept.size() && (kept.at(start) == u'.' || kept.at(start).isSpace()))
        ++start;
    kept = kept.mid(start);
    if (kept.size() > MaxKept) {
        qsizetype end = MaxKept;
        if (kept.at(end - 1).isHighSurrogate())
            --end;
        kept.truncate(end);
    }
    kept = kept.trimmed();
    return kept.isEmpty() ? u"List"_s : kept;
}

QString ClassListNames::mark(const QString &name)
{
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1);
    return u" ~"_s + QString::fromLatin1(hash.toHex().left(8));
}

QStringList ClassListNames::fileNames(const QStringList &names)
{
    // A name that looks marked already is marked again, so it cannot take a marked name's file.
    static const QRegularExpression looksMarked(u" ~[0-9a-f]{8}$"_s);

    QStringList bases;
    bases.reserve(names.size());
    // Of the names that keep their text, per folded base: the one that keeps it unmarked, the
    // least in code-point order.
    QHash<QString, QString> plain;
    for (const QString &name : names) {
        const QString base = cleaned(name);
        bases.append(base);
        if (base != name || looksMarked.match(name).hasMatch())
            continue;
        const QString folded = base.toCaseFolded();
        const auto found = plain.constFind(folded);
        if (found == plain.cend() || name < *found)
            plain.insert(folded, name);
    }
    QStringList files;
    files.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        const bool keepsName
            = plain.value(bases.at(i).toCaseFolded()) == name && bases.at(i) == name;
        files.append((keepsName ? bases.at(i) : bases.at(i) + mark(name)) + u".wdr"_s);
    }
    return files;
}
