#include "speech/SpeechWorker.h"

#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Between a dictation's word and its sentence: long enough to hear them apart, short enough
// that the child still waits for the rest.
constexpr int PauseMs = 700;

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
    connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking) {
            m_speaking = true;
        } else if (m_speaking) {
            m_speaking = false;
            if (m_queue.isEmpty()) {
                Q_EMIT finished();
                return;
            }
            QTimer::singleShot(PauseMs, this, [this, turn = m_turn] {
                if (turn == m_turn)
                    sayNext();
            });
        }
    });
    m_ready = true;
    Q_EMIT started(true, QString());
}

void SpeechWorker::say(const QString &text)
{
    sayInTurn({text});
}

void SpeechWorker::sayInTurn(const QStringList &parts)
{
    setUp();
    if (!m_ready)
        return;
    ++m_turn;
    // Emptied first: the engine's stop reports the end of what it was saying.
    m_queue.clear();
    m_speech->stop();
    m_queue = parts;
    sayNext();
}

void SpeechWorker::sayNext()
{
    if (!m_queue.isEmpty())
        m_speech->say(m_queue.takeFirst());
}

void SpeechWorker::stop()
{
    ++m_turn;
    m_queue.clear();
    if (m_ready)
        m_speech->stop();
}

void SpeechWorker::setVoice(const QString &name, double rate)
{
    m_voiceName = name;
    m_rate = std::clamp(rate, -1.0, 1.0);
    if (m_ready)
        chooseVoice();
}

void SpeechWorker::listVoices()
{
    setUp();
    QStringList names;
    QStringList languages;
    if (m_ready) {
        for (const Voice &voice : voices()) {
            names.append(voice.voice.name());
            languages.append(voice.locale.bcp47Name());
        }
    }
    Q_EMIT voicesListed(names, languages);
}

// Every voice of every language, English first, British English first of all: the engine lists
// only those of the language it speaks, so each is asked in turn, once.
const QList<SpeechWorker::Voice> &SpeechWorker::voices()
{
    if (m_voicesListed)
        return m_voices;
    m_voicesListed = true;
    const QLocale speaking = m_speech->locale();
    const QVoice speakingVoice = m_speech->voice();
    for (const QLocale &locale : m_speech->availableLocales()) {
        m_speech->setLocale(locale);
        for (const QVoice &voice : m_speech->availableVoices())
            m_voices.append({locale, voice});
    }
    m_speech->setLocale(speaking);
    m_speech->setVoice(speakingVoice);
    const auto rank = [](const QLocale &locale) {
        if (locale.language() != QLocale::English)
            return 2;
        return locale.territory() == QLocale::UnitedKingdom ? 0 : 1;
    };
    std::stable_sort(m_voices.begin(), m_voices.end(), [&rank](const Voice &a, const Voice &b) {
        const int rankA = rank(a.locale);
        const int rankB = rank(b.locale);
        if (rankA != rankB)
            return rankA < rankB;
        return a.locale.bcp47Name() < b.locale.bcp47Name();
    });
    return m_voices;
}

// The voice chosen in the Voice dialog; without one, or when it has gone, the lists spell the
// British way: a British voice first, then any English one; else the engine's own choice.
void SpeechWorker::chooseVoice()
{
    m_speech->setRate(m_rate);
    if (!m_voiceName.isEmpty()) {
        for (const Voice &voice : voices()) {
            if (voice.voice.name() == m_voiceName) {
                m_speech->setLocale(voice.locale);
                m_speech->setVoice(voice.voice);
                return;
            }
        }
    }
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
