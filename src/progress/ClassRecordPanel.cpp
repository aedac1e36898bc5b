#include "progress/ClassRecordPanel.h"

#include "classrecord/ClassPlayersModel.h"
#include "classrecord/ClassRecordConnection.h"
#include "classrecord/ClassWordsModel.h"
#include "progress/ProgressReport.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QTableView *tableOf(QAbstractItemModel *model, const QString &name, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setModel(model);
    view->setAccessibleName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace

ClassRecordPanel::ClassRecordPanel(
    std::unique_ptr<ClassRecordConnection> connection, QWidget *parent)
    : QWidget(parent)
    , m_connection(std::move(connection))
    , m_playersModel(new ClassPlayersModel(this))
    , m_wordsModel(new ClassWordsModel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(this);
    m_status->setObjectName(u"lblClassStatus"_s);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    auto *playersBox = new QGroupBox(u"Players of the class"_s, this);
    (new QVBoxLayout(playersBox))
        ->addWidget(tableOf(m_playersModel, u"Players of the class"_s, playersBox));
    layout->addWidget(playersBox, 2);
    auto *wordsBox = new QGroupBox(u"Words the class misses most"_s, this);
    (new QVBoxLayout(wordsBox))
        ->addWidget(tableOf(m_wordsModel, u"Words the class misses most"_s, wordsBox));
    layout->addWidget(wordsBox, 1);

    connect(m_connection.get(), &ClassRecordConnection::viewRead, this,
        [this](quint64, const ClassView &view) {
            m_playersModel->setPlayers(view.players);
            m_wordsModel->setWords(view.mostMissed);
            m_status->setText(view.players.isEmpty()
                    ? u"No rounds in the class record yet."_s
                    : u"The class record of service "_s + m_connection->service() + u'.');
            Q_EMIT shown();
        });
    connect(m_connection.get(), &ClassRecordConnection::roundsRead, this,
        [this](quint64, const QList<PracticeRound> &rounds) {
            QSaveFile file(m_exportPath);
            const QByteArray bytes = ProgressReport::csv(rounds);
            const bool written = file.open(QIODevice::WriteOnly)
                && file.write(bytes) == bytes.size() && file.commit();
            if (auto done = std::exchange(m_exportDone, {}))
                done(written);
        });
    connect(m_connection.get(), &ClassRecordConnection::failed, this,
        [this](quint64 request, const ClassProblem &problem) {
            // A failed refresh is no failed export, nor the other way round.
            if (request == m_exportRequest) {
                if (auto done = std::exchange(m_exportDone, {}))
                    done(false);
            } else {
                m_status->setText(problem.message(m_connection->service()));
            }
        });
    refresh();
}

ClassRecordPanel::~ClassRecordPanel() = default;

void ClassRecordPanel::refresh()
{
    m_status->setText(u"Reading the class record..."_s);
    const QDate today = QDate::currentDate();
    // The week runs from Monday, as in the player's progress.
    m_connection->readView(today.addDays(1 - today.dayOfWeek()).startOfDay());
}

void ClassRecordPanel::exportCsv(const QString &path, std::function<void(bool written)> done)
{
    m_exportPath = path;
    m_exportDone = std::move(done);
    m_exportRequest = m_connection->readRounds();
}
