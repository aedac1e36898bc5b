#include "progress/ClassRecordPanel.h"

#include "classrecord/ClassRecordConnection.h"
#include "core/Clock.h"
#include "platform/MessageBoxes.h"
#include "progress/ProgressReport.h"
#include "progress/SortedTable.h"
#include "record/PracticeFigures.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ClassRecordPanel::ClassRecordPanel(std::unique_ptr<ClassRecordConnection> connection,
    const Clock &clock, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent)
    , m_connection(std::move(connection))
    , m_messages(messages)
    , m_clock(clock)
    , m_players(ClassTables::playerColumns())
    , m_words(ClassTables::wordColumns())
    , m_lists(ClassTables::listColumns())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(this);
    m_status->setObjectName(u"lblClassStatus"_s);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    m_waiting = new QLabel(this);
    m_waiting->setObjectName(u"lblClassWaiting"_s);
    m_waiting->setTextFormat(Qt::PlainText);
    m_waiting->setWordWrap(true);
    m_waiting->hide();
    layout->addWidget(m_waiting);
    // The last column takes the room: the trouble words, the players of a word.
    auto *playersBox = new QGroupBox(u"Players of the class"_s, this);
    m_playersTable = SortedTable::create(u"Players of the class"_s, playersBox);
    SortedTable::show(m_playersTable, &m_players, m_players.columnCount() - 1);
    (new QVBoxLayout(playersBox))->addWidget(m_playersTable);
    layout->addWidget(playersBox, 2);
    auto *wordsBox = new QGroupBox(u"Words the class misses most"_s, this);
    m_wordsTable = SortedTable::create(u"Words the class misses most"_s, wordsBox);
    SortedTable::show(m_wordsTable, &m_words, m_words.columnCount() - 1);
    (new QVBoxLayout(wordsBox))->addWidget(m_wordsTable);
    layout->addWidget(wordsBox, 1);
    layout->addWidget(createListsBox(), 1);

    connect(m_connection.get(), &ClassRecordConnection::viewRead, this,
        [this](quint64, const ClassView &view) {
            m_players.setRows(view.players);
            m_words.setRows(view.mostMissed);
            m_listFigures = view.lists;
            showLists();
            m_status->setText(view.players.isEmpty()
                    ? u"No rounds in the class record yet."_s
                    : u"The class record of service "_s + m_connection->service() + u'.');
            showWaiting();
            Q_EMIT shown();
        });
    connect(m_connection.get(), &ClassRecordConnection::roundsRead, this,
        [this](quint64, const QList<PracticeRound> &rounds) {
            const FileExport::Failure failure
                = FileExport::writeBytes(m_exportPath, ProgressReport::csv(rounds));
            if (auto done = std::exchange(m_exportDone, {}))
                done(failure);
        });
    connect(m_connection.get(), &ClassRecordConnection::listsRead, this,
        [this](quint64, const QList<ClassList> &lists) {
            m_listsRead = lists;
            showLists();
        });
    connect(m_connection.get(), &ClassRecordConnection::listsChanged, this,
        [this] { m_connection->readLists(); });
    connect(m_connection.get(), &ClassRecordConnection::failed, this,
        [this](quint64 request, const ClassProblem &problem) {
            // A failed refresh is no failed export, nor the other way round.
            if (request != m_exportRequest) {
                m_status->setText(problem.message(m_connection->service()));
                showWaiting();
                return;
            }
            if (auto done = std::exchange(m_exportDone, {}))
                done(u"The class's rounds could not be read, so nothing was saved. "_s
                    + problem.message(m_connection->service()));
        });
    refresh();
}

ClassRecordPanel::~ClassRecordPanel() = default;

void ClassRecordPanel::setWaiting(std::function<QString()> waiting)
{
    m_waitingText = std::move(waiting);
    showWaiting();
}

void ClassRecordPanel::showWaiting()
{
    const QString text = m_waitingText ? m_waitingText() : QString();
    m_waiting->setText(text);
    m_waiting->setVisible(!text.isEmpty());
}

void ClassRecordPanel::refresh()
{
    m_status->setText(u"Reading the class record..."_s);
    showWaiting();
    m_connection->readView(PracticeFigures::weekStart(m_clock.now().date()).startOfDay());
    m_connection->readLists();
}

void ClassRecordPanel::showLists()
{
    // The teacher's selection stays on its list as the table is read again.
    const QString selected = selectedList();
    m_lists.setRows(ClassTables::listRows(m_listsRead, m_listFigures));
    const QAbstractItemModel *shown = m_listsTable->model();
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (!selected.isEmpty() && shown->index(row, 0).data() == selected)
            m_listsTable->selectRow(row);
    }
    showListButtons();
}

QWidget *ClassRecordPanel::createListsBox()
{
    auto *box = new QGroupBox(u"Lists published to the class"_s, this);
    m_listsTable = SortedTable::create(u"Lists published to the class"_s, box);
    // The last column takes the room: the children's first test scores.
    SortedTable::show(m_listsTable, &m_lists, m_lists.columnCount() - 1);
    m_thisWeekButton = new QPushButton(u"&This Week's List"_s, box);
    m_thisWeekButton->setObjectName(u"cmdThisWeek"_s);
    m_thisWeekButton->setToolTip(
        u"Every computer of the class plays the selected list from its next start."_s);
    m_withdrawButton = new QPushButton(u"&Withdraw..."_s, box);
    m_withdrawButton->setObjectName(u"cmdWithdraw"_s);
    m_withdrawButton->setToolTip(u"Take the selected list off every computer of the class."_s);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_thisWeekButton);
    buttons->addWidget(m_withdrawButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(m_listsTable, 1);
    layout->addLayout(buttons);
    connect(m_listsTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ClassRecordPanel::showListButtons);
    connect(m_thisWeekButton, &QPushButton::clicked, this, &ClassRecordPanel::markThisWeek);
    connect(m_withdrawButton, &QPushButton::clicked, this, &ClassRecordPanel::withdraw);
    showListButtons();
    return box;
}

QString ClassRecordPanel::selectedList() const
{
    const QModelIndexList rows = m_listsTable->selectionModel()->selectedRows(0);
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

bool ClassRecordPanel::isThisWeek(const QString &name) const
{
    const auto &lists = m_lists.rows();
    return std::any_of(lists.cbegin(), lists.cend(), [&name](const ClassTables::ListRow &row) {
        return row.list.name == name && row.list.thisWeek;
    });
}

// The week's button takes the mark off the list that has it.
void ClassRecordPanel::showListButtons()
{
    const QString name = selectedList();
    m_thisWeekButton->setText(isThisWeek(name) ? u"&Not This Week"_s : u"&This Week's List"_s);
    m_thisWeekButton->setEnabled(!name.isEmpty());
    m_withdrawButton->setEnabled(!name.isEmpty());
}

void ClassRecordPanel::markThisWeek()
{
    const QString name = selectedList();
    if (!name.isEmpty())
        m_connection->markThisWeek(isThisWeek(name) ? QString() : name);
}

void ClassRecordPanel::withdraw()
{
    const QString name = selectedList();
    if (name.isEmpty()
        || m_messages.ask(u"Take \"%1\" off every computer of the class? A child playing it "
                          u"keeps it until the round ends."_s.arg(name),
               u"Withdraw"_s, MessageBoxes::Icon::None, MessageBoxes::Answer::No)
            == MessageBoxes::Answer::No)
        return;
    m_connection->withdrawList(name);
}

void ClassRecordPanel::exportCsv(const QString &path, ExportDone done)
{
    m_exportPath = path;
    m_exportDone = std::move(done);
    m_exportRequest = m_connection->readRounds();
}
