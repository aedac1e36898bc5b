#include "speech/SpeechWorker.h"

#include <QLocale>
#include <QTextToSpeech>

using namespace Qt::StringLiterals;

namespace {

// Slower than the engine's usual pace (0), so that a young child hears every sound of the word;
// any slower and espeak-ng draws the word out until it no longer sounds like one.
constexpr double ChildRate = -0.3;

} // namespace

SpeechWorker::SpeechWorker(QString engine)
    : m_engine(std::move(engine))
{
}

void SpeechWorker::setUp()
{
    if (m_speech)
        return;
    m_speech = new QTextToSpeech(m_engine, this);
    if (m_speech->state() == QTextToSpeech::Error) {
        Q_EMIT started(false,
            u"The word cannot be said: the speech service (speech-dispatcher) is not running and "
            "could not be started."_s);
        return;
    }
    chooseVoice();
    m_speech->setRate(ChildRate);
    connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking) {
            m_speaking = true;
        } else if (m_speaking) {
            m_speaking = false;
            Q_EMIT finished();
        }
    });
    m_ready = true;
    Q_EMIT started(true, QString());
}

void SpeechWorker::say(const QString &text)
{
    setUp();
    if (!m_ready)
        return;
    m_speech->stop();
    m_speech->say(text);
}

void SpeechWorker::stop()
{
    if (m_ready)
        m_speech->stop();
}

// The lists spell the British way: a British voice first, then any English one; else the
// engine's own choice.
void SpeechWorker::chooseVoice()
{
    const QList<QLocale> locales = m_speech->availableLocales();
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    if (locales.contains(british)) {
        m_speech->setLocale(british);
        return;
    }
    for (const QLocale &locale : locales) {
        if (locale.language() == QLocale::English) {
            m_speech->setLocale(locale);
            return;
        }
    }
}
