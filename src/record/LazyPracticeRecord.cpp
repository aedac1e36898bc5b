#include "record/LazyPracticeRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcRecord, "wordrow.record")
}

LazyPracticeRecord::LazyPracticeRecord(
    std::function<QString()> homeDir, MessageBoxes &messages, QStringList moduleDirs)
    : m_homeDir(std::move(homeDir))
    , m_messages(messages)
    , m_moduleDirs(std::move(moduleDirs))
{
}

LazyPracticeRecord::~LazyPracticeRecord() = default;

QStringList LazyPracticeRecord::defaultModuleDirs()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, dir + u"/../lib/wordrow"_s};
}

PracticeRecordStore *LazyPracticeRecord::store()
{
    if (m_loaded)
        return m_store.get();
    m_loaded = true;
    for (const QString &dir : std::as_const(m_moduleDirs)) {
        // Stays loaded for the rest of the run: QLibrary unloads only when asked.
        QLibrary module(QDir(dir).filePath(u"wordrow_practice_record"_s));
        if (!module.load()) {
            qCDebug(lcRecord) << module.errorString();
            continue;
        }
        if (auto create
            = reinterpret_cast<CreatePracticeRecord>(module.resolve(CreatePracticeRecordSymbol))) {
            m_store.reset(create(m_homeDir, m_messages));
            return m_store.get();
        }
    }
    qCWarning(lcRecord) << "No practice record module in" << m_moduleDirs << "; keeping no record";
    return nullptr;
}

bool LazyPracticeRecord::add(const PracticeRound &round)
{
    PracticeRecordStore *real = store();
    return real && real->add(round);
}

QList<PracticeRound> LazyPracticeRecord::rounds(const QString &player)
{
    PracticeRecordStore *real = store();
    return real ? real->rounds(player) : QList<PracticeRound>();
}

PracticeSummary LazyPracticeRecord::summary(const QString &player, const QDateTime &since)
{
    PracticeRecordStore *real = store();
    return real ? real->summary(player, since) : PracticeSummary();
}

QStringList LazyPracticeRecord::players()
{
    PracticeRecordStore *real = store();
    return real ? real->players() : QStringList();
}

bool LazyPracticeRecord::renamePlayer(const QString &from, const QString &to)
{
    PracticeRecordStore *real = store();
    return real && real->renamePlayer(from, to);
}

// The module's record keeps the rounds to send as well.
QList<PracticeRound> LazyPracticeRecord::unsentRounds(int limit)
{
    auto *outbox = dynamic_cast<RoundOutbox *>(store());
    return outbox ? outbox->unsentRounds(limit) : QList<PracticeRound>();
}

bool LazyPracticeRecord::markSent(const QList<QUuid> &ids)
{
    auto *outbox = dynamic_cast<RoundOutbox *>(store());
    return outbox && outbox->markSent(ids);
}
