#pragma once

#include "platform/PracticeRecordStore.h"
#include "platform/RoundOutbox.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class MessageBoxes;

// The module that keeps the record in SQLite makes its store through this function.
using CreatePracticeRecord
    = PracticeRecordStore *(*)(std::function<QString()> homeDir, MessageBoxes &messages);
inline constexpr char CreatePracticeRecordSymbol[] = "wordrow_create_practice_record";

// The practice record as the program holds it: Qt SQL and the database driver are a module of
// their own, loaded from beside the program when the record is first needed, so that a game that
// ends no round pays nothing for them at start-up. Without the module, nothing is kept and
// nothing is found, as with a disk that cannot be written.
class LazyPracticeRecord final : public PracticeRecordStore, public RoundOutbox
{
public:
    LazyPracticeRecord(std::function<QString()> homeDir, MessageBoxes &messages,
        QStringList moduleDirs = defaultModuleDirs());
    ~LazyPracticeRecord() override;

    // Beside the program, and in lib/wordrow beside its folder once installed.
    static QStringList defaultModuleDirs();

    bool add(const PracticeRound &round) override;
    QList<PracticeRound> rounds(const QString &player) override;
    PracticeSummary summary(const QString &player, const QDateTime &since) override;
    QStringList players() override;
    bool renamePlayer(const QString &from, const QString &to) override;

    QList<PracticeRound> unsentRounds(int limit) override;
    bool markSent(const QList<QUuid> &ids) override;

private:
    PracticeRecordStore *store();

    std::function<QString()> m_homeDir;
    MessageBoxes &m_messages;
    QStringList m_moduleDirs;
    bool m_loaded = false;
    std::unique_ptr<PracticeRecordStore> m_store;
};
