#pragma once

#include "platform/PracticeRecordStore.h"
#include "platform/RoundOutbox.h"

#include <QString>
#include <QStringView>

#include <functional>

class MessageBoxes;
class QSqlDatabase;
class QSqlQuery;

// The practice record in an SQLite database beside the game's other files. The database is opened
// when first needed and created only by the first round kept, so a first start leaves no file.
// Each round is written in one transaction through a write-ahead log: a game killed mid-write
// leaves the record as it was before that round. Two games in one folder wait for each other.
// Once opened it stays open for the run, so that keeping a round costs no more than an append.
class SqlitePracticeRecord final : public PracticeRecordStore, public RoundOutbox
{
public:
    static constexpr QStringView FileName = u"wordrow-record.sqlite";
    // What this version writes; a later version migrates from here. Version 2 added the review
    // schedule and the columns a spelling test and the class record need.
    static constexpr int SchemaVersion = 2;
    // Marks the file as ours, beside whatever else may use SQLite.
    static constexpr int ApplicationId = 0x57647277;
    static constexpr int BusyTimeoutMs = 5000;

    // homeDir is asked on first use: the game's folder is known only once start-up has run.
    SqlitePracticeRecord(std::function<QString()> homeDir, MessageBoxes &messages);
    ~SqlitePracticeRecord() override;

    SqlitePracticeRecord(const SqlitePracticeRecord &) = delete;
    SqlitePracticeRecord &operator=(const SqlitePracticeRecord &) = delete;

    bool add(const PracticeRound &round) override;
    QList<PracticeRound> rounds(const QString &player) override;
    PracticeSummary summary(const QString &player, const QDateTime &since) override;
    QStringList players() override;
    bool renamePlayer(const QString &from, const QString &to) override;

    QList<PracticeRound> unsentRounds(int limit) override;
    bool markSent(const QList<QUuid> &ids) override;
    int unsentCount() override;

    QString path() const;
    // Lets go of the file, its log folded back in; the next use opens it again.
    void close();

private:
    enum class Open { Ready, Missing, Failed, Damaged };
    struct FileState
    {
        qint64 applicationId = 0;
        qint64 version = 0;
        qint64 objects = 0;

        bool isEmpty() const { return applicationId == 0 && version == 0 && objects == 0; }
    };

    Open open(bool create);
    Open tryOpen(bool create);
    Open prepare(QSqlDatabase &db, bool create);
    static bool readState(QSqlQuery &query, FileState &file);
    Open migrate(QSqlDatabase &db);
    static bool upgrade(QSqlQuery &query);
    bool isEarlierVersion() const;
    // Once a run: the next open tries again, quietly.
    void sayUpgradeFailed();
    bool insert(const PracticeRound &round, bool &damaged);
    static bool updateSummary(QSqlQuery &query, const PracticeRound &round);
    static bool updateSchedule(QSqlQuery &query, const PracticeRound &round);
    void readRounds(const QString &player, const QDateTime &since, QList<PracticeRound> &found);
    // Renames a damaged or foreign file (and its journal) out of the way and says so, once.
    bool setAside();

    std::function<QString()> m_homeDir;
    MessageBoxes &m_messages;
    QString m_connection;
    bool m_open = false;
    bool m_upgradeFailureSaid = false;
};
