#include "game/ClassRecordCommands.h"

#include "classrecord/ClassRecordConnection.h"
#include "classrecord/ClassRecordSender.h"
#include "game/MenuAction.h"
#include "wordlists/Preferences.h"

using namespace Qt::StringLiterals;

// Passes everything on to the record, and once a round is kept has it sent.
class ClassRecordCommands::SendingRecord final : public PracticeRecordStore
{
public:
    SendingRecord(PracticeRecordStore &record, ClassRecordCommands &commands)
        : m_record(record)
        , m_commands(commands)
    {
    }

    bool add(const PracticeRound &round) override
    {
        // The name of the computer it was played on, kept with it: a name changed later does
        // not relabel the rounds still waiting.
        PracticeRound played = round;
        if (played.computer.isEmpty())
            played.computer = m_commands.computerName();
        const bool kept = m_record.add(played);
        // After the caller is done with the round: the sender reads the record again.
        if (kept)
            QMetaObject::invokeMethod(
                &m_commands, &ClassRecordCommands::sendWaiting, Qt::QueuedConnection);
        return kept;
    }
    QList<PracticeRound> rounds(const QString &player) override { return m_record.rounds(player); }
    PracticeSummary summary(const QString &player, const QDateTime &since) override
    {
        return m_record.summary(player, since);
    }
    QStringList players() override { return m_record.players(); }
    bool renamePlayer(const QString &from, const QString &to) override
    {
        return m_record.renamePlayer(from, to);
    }

    PracticeRecordStore &m_record;

private:
    ClassRecordCommands &m_commands;
};

ClassRecordCommands::ClassRecordCommands(QObject *parent)
    : QObject(parent)
    , m_classRecordAction(newMenuAction(this, u"&Class Record..."_s, u"mnuPracticeClassRecord"_s))
{
    connect(m_classRecordAction, &QAction::triggered, this, &ClassRecordCommands::setUpWanted);
    m_restart.setSingleShot(true);
    m_restart.setInterval(0);
    connect(&m_restart, &QTimer::timeout, this, &ClassRecordCommands::restartSender);
}

ClassRecordCommands::~ClassRecordCommands() = default;

void ClassRecordCommands::setDatabase(RoundOutbox &outbox, ClassDatabaseFactory factory)
{
    m_outbox = &outbox;
    m_factory = std::move(factory);
}

PracticeRecordStore &ClassRecordCommands::sendingRecord(PracticeRecordStore &record)
{
    if (!m_sendingRecord || &m_sendingRecord->m_record != &record)
        m_sendingRecord = std::make_unique<SendingRecord>(record, *this);
    return *m_sendingRecord;
}

void ClassRecordCommands::start(const QString &homeDir)
{
    m_preferences = std::make_unique<Preferences>(homeDir);
    connect(m_preferences.get(), &Preferences::classRecordChanged, &m_restart,
        qOverload<>(&QTimer::start));
    m_restart.start();
}

QString ClassRecordCommands::computerName() const
{
    // Without a class record the id of the default name is not kept yet, so no name is.
    if (!m_preferences || m_preferences->classService().isEmpty())
        return QString();
    m_preferences->keepComputerId();
    return m_preferences->computerName();
}

void ClassRecordCommands::restartSender()
{
    m_sender.reset();
    const QString service = m_preferences->classService();
    if (!m_outbox || !m_factory || service.isEmpty())
        return;
    // A class record set by hand in the file has no id kept yet.
    m_preferences->keepComputerId();
    m_sender = std::make_unique<ClassRecordSender>(
        *m_outbox, m_factory, service, m_preferences->computerName());
    m_sender->sendWaiting();
}

void ClassRecordCommands::sendWaiting()
{
    if (m_sender)
        m_sender->sendWaiting();
}

QString ClassRecordCommands::waitingText() const
{
    return m_sender ? m_sender->waitingText(m_preferences->classService()) : QString();
}

ClassRecordCommands::Connector ClassRecordCommands::classView() const
{
    const QString service = m_preferences ? m_preferences->teacherService() : QString();
    if (service.isEmpty() || !m_factory)
        return {};
    return [factory = m_factory, service, computer = m_preferences->computerName()] {
        return std::make_unique<ClassRecordConnection>(factory, service, computer);
    };
}
