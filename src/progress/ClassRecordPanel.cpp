#include "progress/ClassRecordPanel.h"

#include "classrecord/ClassRecordConnection.h"
#include "core/Clock.h"
#include "progress/ProgressReport.h"
#include "progress/SortedTable.h"
#include "record/PracticeFigures.h"

#include <QGroupBox>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ClassRecordPanel::ClassRecordPanel(
    std::unique_ptr<ClassRecordConnection> connection, const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_connection(std::move(connection))
    , m_clock(clock)
    , m_players(ClassTables::playerColumns())
    , m_words(ClassTables::wordColumns())
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

    connect(m_connection.get(), &ClassRecordConnection::viewRead, this,
        [this](quint64, const ClassView &view) {
            m_players.setRows(view.players);
            m_words.setRows(view.mostMissed);
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
}

void ClassRecordPanel::exportCsv(const QString &path, ExportDone done)
{
    m_exportPath = path;
    m_exportDone = std::move(done);
    m_exportRequest = m_connection->readRounds();
}
