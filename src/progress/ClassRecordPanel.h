#pragma once

#include "classrecord/ClassTables.h"
#include "ui/FileExport.h"

#include <QWidget>

#include <functional>
#include <memory>

class ClassRecordConnection;
class Clock;
class MessageBoxes;
class QLabel;
class QPushButton;
class QTableView;

// The class as the progress window shows it: every player of the class across its computers,
// the words the class misses most, and the lists published to the class, of which the teacher
// picks this week's or withdraws one. It reads in the background and says so meanwhile.
class ClassRecordPanel : public QWidget
{
    Q_OBJECT

public:
    // The clock says which week is "this week".
    ClassRecordPanel(std::unique_ptr<ClassRecordConnection> connection, const Clock &clock,
        MessageBoxes &messages, QWidget *parent = nullptr);
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
    const ClassTables::ListsModel *listsModel() const { return &m_lists; }
    QTableView *listsTable() const { return m_listsTable; }
    QPushButton *thisWeekButton() const { return m_thisWeekButton; }
    QPushButton *withdrawButton() const { return m_withdrawButton; }
    QLabel *statusLabel() const { return m_status; }

Q_SIGNALS:
    // The view is read and shown.
    void shown();

private:
    QWidget *createListsBox();
    // The list selected in the lists' table; empty for none.
    QString selectedList() const;
    bool isThisWeek(const QString &name) const;
    void showListButtons();
    void markThisWeek();
    void withdraw();
    void showLists();

    std::unique_ptr<ClassRecordConnection> m_connection;
    MessageBoxes &m_messages;
    const Clock &m_clock;
    ClassTables::PlayersModel m_players;
    ClassTables::WordsModel m_words;
    ClassTables::ListsModel m_lists;
    // The lists and their figures come in apart: the table shows them together.
    QList<ClassList> m_listsRead;
    QList<ClassView::ListFigures> m_listFigures;
    QTableView *m_playersTable = nullptr;
    QTableView *m_wordsTable = nullptr;
    QTableView *m_listsTable = nullptr;
    QPushButton *m_thisWeekButton = nullptr;
    QPushButton *m_withdrawButton = nullptr;
    void showWaiting();

    QLabel *m_status = nullptr;
    QLabel *m_waiting = nullptr;
    std::function<QString()> m_waitingText;
    QString m_exportPath;
    quint64 m_exportRequest = 0;
    ExportDone m_exportDone;
};
