#pragma once

#include "record/RecordSchema.h"

#include <QString>
#include <QStringView>

#include <functional>

class MessageBoxes;
class QSqlDatabase;

// The practice record's file: opened when first needed and kept open for the run, brought up to
// date, set aside under a new name when damaged or not ours. Reading never makes the file: only
// a round kept does.
class RecordFile
{
public:
    using State = RecordSchema::Outcome;
    static constexpr QStringView FileName = u"wordrow-record.sqlite";
    static constexpr int BusyTimeoutMs = 5000;

    // homeDir is asked on first use: the game's folder is known only once start-up has run.
    RecordFile(std::function<QString()> homeDir, MessageBoxes &messages);
    ~RecordFile();

    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    QString path() const;
    // Ready, Missing (only when not asked to create), or Failed; damage is set aside first.
    State open(bool create);
    // Lets go of the file, its log folded back in; the next use opens it again.
    void close();
    // Renames a damaged or foreign file (and its journal) out of the way and says so.
    bool setAside();
    // The open connection.
    QSqlDatabase database() const;

private:
    State tryOpen(bool create);
    bool isEarlierVersion() const;
    // Once a run: the next open tries again, quietly.
    void sayUpgradeFailed();

    std::function<QString()> m_homeDir;
    MessageBoxes &m_messages;
    QString m_connection;
    bool m_open = false;
    bool m_upgradeFailureSaid = false;
};
