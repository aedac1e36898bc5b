#pragma once

#include "classrecord/ClassTables.h"
#include "ui/FileExport.h"

#include <QWidget>

#include <functional>
#include <memory>

class ClassRecordConnection;
class Clock;
class QLabel;
class QTableView;

// The class as the progress window shows it: every player of the class across its computers,
// and the words the class misses most. It reads in the background and says so meanwhile.
class ClassRecordPanel : public QWidget
{
    Q_OBJECT

public:
    // The clock says which week is "this week".
    ClassRecordPanel(std::unique_ptr<ClassRecordConnection> connection, const Clock &clock,
        QWidget *parent = nullptr);
    ~ClassRecordPanel() override;

    void refresh();
    // How this computer's own rounds stand, said under the class; read again on each refresh.
    void setWaiting(std::function<QString()> waiting);
    // Every round of the class as CSV, through the progress report's writer; done tells why
    // the file was not written, if it was not.
    using ExportDone = std::function<void(const FileExport::Failure &failure)>;
    void exportCsv(const QString &path, ExportDone done);

    const ClassTables::PlayersModel *playersModel() const { return &m_players; }
    const ClassTables::WordsModel *wordsModel() const { return &m_words; }
    QTableView *playersTable() const { return m_playersTable; }
    QTableView *wordsTable() const { return m_wordsTable; }
    QLabel *statusLabel() const { return m_status; }

Q_SIGNALS:
    // The view is read and shown.
    void shown();

private:
    std::unique_ptr<ClassRecordConnection> m_connection;
    const Clock &m_clock;
    ClassTables::PlayersModel m_players;
    ClassTables::WordsModel m_words;
    QTableView *m_playersTable = nullptr;
    QTableView *m_wordsTable = nullptr;
    void showWaiting();

    QLabel *m_status = nullptr;
    QLabel *m_waiting = nullptr;
    std::function<QString()> m_waitingText;
    QString m_exportPath;
    quint64 m_exportRequest = 0;
    ExportDone m_exportDone;
};
