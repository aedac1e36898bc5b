#pragma once

#include "platform/PracticeRecordStore.h"
#include "platform/RoundOutbox.h"
#include "record/RecordFile.h"
#include "record/RecordSchema.h"

#include <QString>
#include <QStringView>

#include <functional>

class MessageBoxes;
class QSqlQuery;

// The practice record in an SQLite database beside the game's other files. The database is opened
// when first needed and created only by the first round kept, so a first start leaves no file.
// Each round is written in one transaction through a write-ahead log: a game killed mid-write
// leaves the record as it was before that round. Two games in one folder wait for each other.
// Once opened it stays open for the run, so that keeping a round costs no more than an append.
class SqlitePracticeRecord final : public PracticeRecordStore, public RoundOutbox
{
public:
    static constexpr QStringView FileName = RecordFile::FileName;
    static constexpr int SchemaVersion = RecordSchema::Version;
    static constexpr int ApplicationId = RecordSchema::ApplicationId;
    static constexpr int BusyTimeoutMs = RecordFile::BusyTimeoutMs;

    // homeDir is asked on first use: the game's folder is known only once start-up has run.
    SqlitePracticeRecord(std::function<QString()> homeDir, MessageBoxes &messages);

    bool add(const PracticeRound &round) override;
    QList<PracticeRound> rounds(const QString &player) override;
    // Not complete, and empty, when any part of it could not be read.
    PracticeSummary summary(const QString &player, const QDateTime &since) override;
    QStringList players() override;
    bool renamePlayer(const QString &from, const QString &to) override;

    QList<PracticeRound> unsentRounds(int limit) override;
    bool markSent(const QList<QUuid> &ids) override;
    int unsentCount() override;

    QString path() const { return m_file.path(); }
    // Lets go of the file, its log folded back in; the next use opens it again.
    void close() { m_file.close(); }

private:
    bool insert(const PracticeRound &round, bool &damaged);
    bool readRounds(const QString &player, const QDateTime &since, QList<PracticeRound> &found);
    static bool readSummary(QSqlQuery &query, const QString &player, PracticeSummary &summary);

    RecordFile m_file;
};
