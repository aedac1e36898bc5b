#include "progress/ProgressWindow.h"

#include "classrecord/ClassRecordConnection.h"
#include "core/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "progress/ClassRecordPanel.h"
#include "progress/DayChart.h"
#include "progress/SortedTable.h"
#include "ui/FileExport.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *plainLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    // Names and words come from anyone's typing: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setWordWrap(true);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(const QString &player, PracticeRecordStore &store,
    FileDialogs &dialogs, MessageBoxes &messages, const Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_player(player)
    , m_store(store)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_clock(clock)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Wordrow - Progress"_s);
    createControls();
    createMenus();
    const QDate today = clock.now().date();
    const PracticeSummary summary = store.summary(player, PracticeFigures::chartStart(today));
    m_report.emplace(player, summary, today);
    m_report->showOn(*this);
    resize(sizeHint().expandedTo(QSize(800, 640)));
    // An empty window must not pass for a player who has not played.
    if (!summary.complete) {
        m_messages.inform(u"Wordrow could not read the practice record just now, so this window "
                          u"shows none of it. The record is left as it was: open Progress again "
                          u"to try once more."_s,
            u"Wordrow"_s, MessageBoxes::Icon::Information);
    }
}

void ProgressWindow::createControls()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_title = plainLabel(central);
    QFont big = m_title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_title->setFont(big);
    m_week = plainLabel(central);
    m_allTime = plainLabel(central);
    m_review = plainLabel(central);
    layout->addWidget(m_title);
    layout->addWidget(m_week);
    layout->addWidget(m_allTime);
    layout->addWidget(m_review);

    auto *chartBox = new QGroupBox(
        u"Rounds per day, last "_s + QString::number(PracticeFigures::ChartWeeks) + u" weeks"_s,
        central);
    auto *chartLayout = new QVBoxLayout(chartBox);
    m_chart = new DayChart(chartBox);
    chartLayout->addWidget(m_chart);
    layout->addWidget(chartBox, 1);

    auto *tables = new QHBoxLayout;
    auto *listBox = new QGroupBox(u"Lists"_s, central);
    m_lists = SortedTable::create(u"Lists"_s, listBox);
    (new QVBoxLayout(listBox))->addWidget(m_lists);
    auto *troubleBox = new QGroupBox(u"Trouble words"_s, central);
    m_trouble = SortedTable::create(u"Trouble words"_s, troubleBox);
    (new QVBoxLayout(troubleBox))->addWidget(m_trouble);
    // The trouble words have the more columns.
    tables->addWidget(listBox, 2);
    tables->addWidget(troubleBox, 3);
    // The tables take the room the chart can spare.
    layout->addLayout(tables, 2);
    auto *testBox = new QGroupBox(ProgressReport::spellingTestsHeading(), central);
    m_tests = SortedTable::create(u"Spelling tests"_s, testBox);
    (new QVBoxLayout(testBox))->addWidget(m_tests);
    layout->addWidget(testBox, 1);

    // The player's page, and the class's once chosen; the choice shows only with a class record.
    auto *outer = new QWidget(this);
    auto *outerLayout = new QVBoxLayout(outer);
    m_showChoice = new QComboBox(outer);
    m_showChoice->setObjectName(u"cboProgressOf"_s);
    m_showChoice->setAccessibleName(u"Show the progress of"_s);
    m_showChoice->hide();
    connect(
        m_showChoice, &QComboBox::activated, this, [this](int index) { showClass(index == 1); });
    outerLayout->addWidget(m_showChoice, 0, Qt::AlignLeft);
    m_pages = new QStackedWidget(outer);
    m_pages->addWidget(central);
    outerLayout->addWidget(m_pages, 1);
    setCentralWidget(outer);
}

void ProgressWindow::setClassRecord(ClassConnector connect, std::function<QString()> waiting)
{
    m_classConnector = std::move(connect);
    m_classWaiting = std::move(waiting);
    m_showChoice->clear();
    m_showChoice->addItems({m_player, u"Class"_s});
    m_showChoice->setVisible(bool(m_classConnector));
}

void ProgressWindow::showClass(bool on)
{
    if (on && !m_classPanel && m_classConnector) {
        m_classPanel = new ClassRecordPanel(m_classConnector(), m_clock, m_messages, m_pages);
        m_classPanel->setWaiting(m_classWaiting);
        m_pages->addWidget(m_classPanel);
    } else if (on && m_classPanel) {
        m_classPanel->refresh();
    }
    m_showChoice->setCurrentIndex(on && m_classPanel ? 1 : 0);
    m_pages->setCurrentIndex(m_showChoice->currentIndex());
    // The player's report prints and saves as PDF; the class exports as CSV only.
    m_pdfAction->setEnabled(!on);
}

void ProgressWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
#ifdef WORDROW_PRINTING
    QAction *print = file->addAction(u"&Print..."_s);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &ProgressWindow::print);
#endif
    m_pdfAction = file->addAction(u"Save as P&DF..."_s);
    connect(m_pdfAction, &QAction::triggered, this, &ProgressWindow::saveAsPdf);
    m_exportAction = file->addAction(u"&Export CSV..."_s);
    connect(m_exportAction, &QAction::triggered, this, &ProgressWindow::exportCsv);
    file->addSeparator();
    QAction *close = file->addAction(u"&Close"_s);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void ProgressWindow::showPlayer(const QString &title)
{
    m_title->setText(title);
}

void ProgressWindow::showTallies(const QString &thisWeek, const QString &allTime)
{
    m_week->setText(thisWeek);
    m_allTime->setText(allTime);
}

void ProgressWindow::showReview(const QString &review)
{
    m_review->setText(review);
}

void ProgressWindow::showDays(const QList<PracticeFigures::Day> &days, const QString &description)
{
    m_chart->setDays(days);
    m_chart->setAccessibleDescription(description);
    m_chart->setToolTip(description);
}

void ProgressWindow::showLists(QAbstractItemModel *lists)
{
    SortedTable::show(m_lists, lists);
}

void ProgressWindow::showTroubleWords(QAbstractItemModel *words)
{
    SortedTable::show(m_trouble, words);
}

void ProgressWindow::showSpellingTests(QAbstractItemModel *tests)
{
    // The missed words take the room.
    SortedTable::show(m_tests, tests, tests->columnCount() - 1);
}

std::optional<QString> ProgressWindow::askForFile(
    const QString &title, const QString &filter, const QString &suffix)
{
    FileDialogs::Options options;
    options.title = title;
    options.nameFilters = {filter};
    options.confirmOverwrite = true;
    options.startFolder = QDir::homePath();
    options.fileName = m_player + u" progress."_s + suffix;
    options.defaultSuffix = suffix;
    return m_dialogs.getSaveFileName(options);
}

void ProgressWindow::saveFailed(const QString &failure)
{
    m_messages.inform(failure, u"Wordrow"_s, MessageBoxes::Icon::Information);
}

void ProgressWindow::exportCsv()
{
    if (m_classPanel && m_pages->currentWidget() == m_classPanel) {
        FileDialogs::Options options;
        options.title = u"Export the Class as CSV"_s;
        options.nameFilters = {u"CSV files (*.csv)"_s};
        options.confirmOverwrite = true;
        options.startFolder = QDir::homePath();
        options.fileName = u"Class progress.csv"_s;
        options.defaultSuffix = u"csv"_s;
        if (const std::optional<QString> path = m_dialogs.getSaveFileName(options)) {
            // The class's rounds come from the server, in the background.
            m_classPanel->exportCsv(*path, [this](const FileExport::Failure &failure) {
                if (failure)
                    saveFailed(*failure);
            });
        }
        return;
    }
    const std::optional<QString> path
        = askForFile(u"Export the Progress as CSV"_s, u"CSV files (*.csv)"_s, u"csv"_s);
    if (!path)
        return;
    // Every round only now: the window itself needs no more than the summary.
    if (const FileExport::Failure failure
        = FileExport::writeBytes(*path, ProgressReport::csv(m_store.rounds(m_player))))
        saveFailed(*failure);
}

void ProgressWindow::saveAsPdf()
{
    const std::optional<QString> path
        = askForFile(u"Save the Progress as PDF"_s, u"PDF files (*.pdf)"_s, u"pdf"_s);
    if (!path)
        return;
    if (const FileExport::Failure failure
        = FileExport::writePdf(*path, m_report->html(), m_title->text()))
        saveFailed(*failure);
}

#ifdef WORDROW_PRINTING
void ProgressWindow::print()
{
    if (const FileExport::Failure failure
        = FileExport::print(m_report->html(), m_title->text(), u"Print the Progress"_s, this))
        saveFailed(*failure);
}
#endif
