#include "speech/QtSpeaker.h"

#include "core/WorkerThread.h"
#include "speech/SpeechWorker.h"

#include <QTextToSpeech>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Starting speech-dispatcher and listing its voices takes a few seconds on a busy machine; an
// engine that has not answered by then is stuck, and the game goes on without speech.
constexpr int AnswerTimeoutMs = 20000;

} // namespace

QtSpeaker::QtSpeaker(const QString &engine)
    : m_engine(engine)
    , m_rate(SpeechWorker::ChildRate)
{
    // Only a look at the plugins' metadata: no engine is loaded here.
    if (!QTextToSpeech::availableEngines().contains(m_engine)) {
        m_availability = Availability::Unavailable;
        m_reason = u"The word cannot be said: no speech engine is installed on this computer."_s;
    }
}

// The thread stops, or is left behind when stuck in the speech service, as m_thread goes.
QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::prepare()
{
    startEngine();
}

void QtSpeaker::say(const QString &text)
{
    startEngine();
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, text = text.toLower()] { worker->say(text); });
}

void QtSpeaker::sayInTurn(const QStringList &parts)
{
    startEngine();
    QStringList lower;
    for (const QString &part : parts)
        lower.append(part.toLower());
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, lower] { worker->sayInTurn(lower); });
}

void QtSpeaker::setVoice(const QString &name, double rate)
{
    m_voiceName = name;
    m_rate = rate;
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, name, rate] { worker->setVoice(name, rate); });
}

void QtSpeaker::listVoices()
{
    startEngine();
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::listVoices);
    else
        Q_EMIT voicesListed({}, {});
}

void QtSpeaker::stop()
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::stop);
}

void QtSpeaker::startEngine()
{
    if (m_thread || m_availability == Availability::Unavailable)
        return;
    m_worker = new SpeechWorker(m_engine);
    m_thread = std::make_unique<WorkerThread>(u"wordrow-speech"_s, m_worker);
    connect(m_worker, &SpeechWorker::started, this, &QtSpeaker::engineStarted);
    connect(m_worker, &SpeechWorker::finished, this, &Speaker::finished);
    connect(m_worker, &SpeechWorker::voicesListed, this, &Speaker::voicesListed);
    // Queued before setUp, so that the first word comes in the chosen voice.
    QMetaObject::invokeMethod(m_worker,
        [worker = m_worker, name = m_voiceName, rate = m_rate] { worker->setVoice(name, rate); });
    QMetaObject::invokeMethod(m_worker, &SpeechWorker::setUp, Qt::QueuedConnection);

    m_answerTimer = new QTimer(this);
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, [this] {
        engineStarted(false, u"The word cannot be said: the speech service does not answer."_s);
    });
    m_answerTimer->start(AnswerTimeoutMs);
}

void QtSpeaker::engineStarted(bool ready, const QString &reason)
{
    m_answerTimer->stop();
    if (m_availability != Availability::Unknown)
        return;
    m_availability = ready ? Availability::Ready : Availability::Unavailable;
    m_reason = reason;
    Q_EMIT availabilityChanged(m_availability);
}
