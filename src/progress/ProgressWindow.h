#pragma once

#include "platform/PracticeRecordStore.h"
#include "progress/ProgressReport.h"
#include "progress/ProgressView.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class ClassRecordConnection;
class ClassRecordPanel;
class DayChart;
class FileDialogs;
class MessageBoxes;
class QAction;
class QComboBox;
class QStackedWidget;
class QLabel;
class QTableView;

// How the current player has done: rounds this week and in all, a chart of the last weeks, each
// list, and the trouble words. A window of its own beside the game; it deletes itself when closed.
class ProgressWindow : public QMainWindow, public ProgressView
{
    Q_OBJECT

public:
    // The clock says which day "today" and "this week" are.
    ProgressWindow(const QString &player, PracticeRecordStore &store, FileDialogs &dialogs,
        MessageBoxes &messages, const Clock &clock, QWidget *parent = nullptr);

    const ProgressReport &report() const { return *m_report; }

    // With a class record set: the "Class" choice beside the player, showing the whole class
    // through connections this makes when first chosen.
    using ClassConnector = std::function<std::unique_ptr<ClassRecordConnection>()>;
    // `waiting` says how this computer's rounds stand, under the class.
    void setClassRecord(ClassConnector connect, std::function<QString()> waiting = {});
    void showClass(bool on);

    void exportCsv();
    void saveAsPdf();

    // The controls, for tests.
    QLabel *tallyLabel(int which) const { return which == 0 ? m_week : m_allTime; }
    QLabel *reviewLabel() const { return m_review; }
    DayChart *chart() const { return m_chart; }
    QTableView *listTable() const { return m_lists; }
    QTableView *troubleTable() const { return m_trouble; }
    QTableView *spellingTestTable() const { return m_tests; }
    QAction *exportAction() const { return m_exportAction; }
    QAction *pdfAction() const { return m_pdfAction; }
    QComboBox *showChoice() const { return m_showChoice; }
    ClassRecordPanel *classPanel() const { return m_classPanel; }

    // ProgressView
    void showPlayer(const QString &title) override;
    void showTallies(const QString &thisWeek, const QString &allTime) override;
    void showReview(const QString &review) override;
    void showDays(const QList<PracticeFigures::Day> &days, const QString &description) override;
    void showLists(QAbstractItemModel *lists) override;
    void showTroubleWords(QAbstractItemModel *words) override;
    void showSpellingTests(QAbstractItemModel *tests) override;

private:
    void createControls();
    void createMenus();
#ifdef WORDROW_PRINTING
    void print();
#endif
    std::optional<QString> askForFile(
        const QString &title, const QString &filter, const QString &suffix);
    void saveFailed(const QString &failure);

    QString m_player;
    PracticeRecordStore &m_store;
    FileDialogs &m_dialogs;
    MessageBoxes &m_messages;
    const Clock &m_clock;
    std::optional<ProgressReport> m_report;

    ClassConnector m_classConnector;
    std::function<QString()> m_classWaiting;
    QComboBox *m_showChoice = nullptr;
    QStackedWidget *m_pages = nullptr;
    ClassRecordPanel *m_classPanel = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_week = nullptr;
    QLabel *m_allTime = nullptr;
    QLabel *m_review = nullptr;
    DayChart *m_chart = nullptr;
    QLabel *m_chartText = nullptr;
    QTableView *m_lists = nullptr;
    QTableView *m_trouble = nullptr;
    QTableView *m_tests = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_pdfAction = nullptr;
};
