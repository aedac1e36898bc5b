#include "spelling/SpellingTest.h"

#include "core/Clock.h"
#include "core/RandomSource.h"
#include "platform/MessageBoxes.h"
#include "platform/Speaker.h"
#include "record/SpellingTestResults.h"
#include "spelling/SpellingMarking.h"
#include "spelling/SpellingTestView.h"

#include <QFileInfo>
#include <QLocale>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// What the game's letter buttons and keys type, in either case.
bool gameCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'\'' || c == u'-';
}

} // namespace

SpellingTest::SpellingTest(Setup setup, SpellingTestView &view, Speaker &speaker,
    RandomSource &random, PracticeRecordStore &record, MessageBoxes &messages, const Clock &clock)
    : m_setup(std::move(setup))
    , m_view(view)
    , m_speaker(speaker)
    , m_random(random)
    , m_record(record)
    , m_messages(messages)
    , m_clock(clock)
{
    m_setup.list = QFileInfo(m_setup.list).fileName();
}

QStringList SpellingTest::chooseWords(
    const QStringList &dueWords, const QStringList &listWords, RandomSource &random)
{
    random.reseed();
    QStringList chosen;
    QSet<QString> seen;
    for (const QStringList *group : {&dueWords, &listWords}) {
        QStringList fresh;
        for (const QString &word : *group) {
            const QString key = word.toCaseFolded();
            if (!word.isEmpty() && !seen.contains(key)) {
                seen.insert(key);
                fresh.append(word);
            }
        }
        // Only as many draws as words taken: a long list is not shuffled whole.
        const qsizetype take = std::min<qsizetype>(fresh.size(), MaxWords - chosen.size());
        for (qsizetype i = 0; i < take; ++i) {
            const qsizetype pick = i + RandomSource::indexFor(random.draw(), int(fresh.size() - i));
            fresh.swapItemsAt(i, pick);
            chosen.append(fresh[i]);
        }
    }
    return chosen;
}

void SpellingTest::start()
{
    m_started = m_clock.now();
    const QStringList due
        = m_setup.practiseDueWords && m_setup.dueWords ? m_setup.dueWords() : QStringList();
    m_words = chooseWords(due, m_setup.words, m_random);
    for (const QString &word : std::as_const(m_words)) {
        for (const QChar c : word) {
            if (!gameCharacter(c) && !m_extraCharacters.contains(c.toCaseFolded()))
                m_extraCharacters += c.toCaseFolded();
        }
    }
    m_pass = m_words;
    m_index = 0;
    if (m_speaker.availability() == Speaker::Availability::Unavailable)
        speechLost(m_speaker.unavailableReason());
    else if (m_pass.isEmpty())
        end();
    else
        ask();
}

void SpellingTest::speechLost(const QString &reason)
{
    if (m_stage == Stage::Ended)
        return;
    end();
    m_view.showPrompt(reason + u" The test stops here; the answers given so far are kept."_s);
}

QString SpellingTest::currentWord() const
{
    return m_stage == Stage::Ended ? QString() : m_pass.value(m_index);
}

bool SpellingTest::accepts(QStringView text) const
{
    return std::all_of(text.begin(), text.end(), [this](QChar c) {
        return gameCharacter(c) || m_extraCharacters.contains(c.toCaseFolded());
    });
}

QString SpellingTest::wordNumber() const
{
    const QString number
        = QString::number(m_index + 1) + u" of "_s + QString::number(m_pass.size());
    return m_askingAgain ? u"Once more: word "_s + number : u"Word "_s + number;
}

void SpellingTest::ask()
{
    m_stage = Stage::Asking;
    m_view.showWordNumber(wordNumber());
    m_view.showPrompt(u"Listen, type the word and press Enter."_s);
    m_view.clearAnswer();
    sayAgain();
}

void SpellingTest::sayAgain()
{
    if (m_stage == Stage::Ended)
        return;
    const QString word = currentWord();
    const QString sentence = m_setup.sentences.of(word);
    if (sentence.isEmpty())
        m_speaker.say(word);
    else
        m_speaker.sayInTurn({word, sentence, word});
}

void SpellingTest::answer(const QString &typed)
{
    const QString answer = typed.trimmed();
    if (m_stage == Stage::Ended || answer.isEmpty())
        return;
    const QString word = currentWord();
    const bool right = SpellingMarking::isRight(answer, word);
    if (m_stage == Stage::Copying) {
        if (right) {
            m_view.showFeedback(u"Well copied."_s, {}, QString());
            next();
            return;
        }
        const QList<SpellingMarking::Cell> cells = SpellingMarking::compare(answer, word);
        m_view.showFeedback(
            u"Not quite: copy it letter by letter."_s, cells, SpellingMarking::description(cells));
        m_view.clearAnswer();
        return;
    }

    if (!m_askingAgain)
        keep(word, answer, right);
    if (right) {
        m_view.showFeedback(u"Right: "_s + word, {}, QString());
        next();
        return;
    }
    m_stage = Stage::Copying;
    const QList<SpellingMarking::Cell> cells = SpellingMarking::compare(answer, word);
    m_view.showFeedback(u"Not quite. Your letters, marked:"_s, cells,
        u"You typed "_s + answer + u". "_s + SpellingMarking::description(cells));
    m_view.showPrompt(u"The word is "_s + word + u". Copy it once and press Enter."_s);
    m_view.clearAnswer();
}

void SpellingTest::keep(const QString &word, const QString &typed, bool right)
{
    if (right)
        ++m_rightFirstTime;
    else
        m_missed.append(word);
    m_typed.append(typed);

    PracticeRound round;
    round.when = m_clock.now();
    round.player = m_setup.player;
    round.list = m_setup.list;
    round.word = word;
    round.result = right ? RoundResult::Won : RoundResult::Lost;
    round.id = QUuid::createUuid();
    round.kind = RoundKind::Kind::SpellingTest;
    round.typed = typed;
    round.testStarted = m_started;
    if (m_record.add(round) || m_failureSaid)
        return;
    m_failureSaid = true;
    m_messages.inform(u"Wordrow could not keep this answer in the practice record: the disk may be "
                      u"full, or the game's folder cannot be written.\n\n"
                      u"The test goes on, and Wordrow keeps trying with each answer."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
}

void SpellingTest::next()
{
    ++m_index;
    if (m_index < m_pass.size()) {
        ask();
        return;
    }
    if (!m_askingAgain && !m_missed.isEmpty()) {
        m_askingAgain = true;
        m_pass = m_missed;
        m_index = 0;
        ask();
        return;
    }
    end();
}

void SpellingTest::end()
{
    m_stage = Stage::Ended;
    m_view.clearAnswer();
    m_view.showPrompt(QString());
    m_view.showWordNumber(u"The test is over."_s);
    m_view.showEnd(SpellingTestResults::scoreText(m_rightFirstTime, int(m_typed.size())), m_missed);
}

QString SpellingTest::resultHtml() const
{
    QString html = u"<h1>Spelling test</h1><p>"_s + m_setup.player.toHtmlEscaped() + u"<br>"_s
        + QLocale().toString(m_started, QLocale::LongFormat).toHtmlEscaped() + u"<br>List: "_s
        + m_setup.list.toHtmlEscaped() + u"</p><h2>"_s
        + SpellingTestResults::scoreText(m_rightFirstTime, int(m_typed.size())) + u"</h2>"_s
        + u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"_s
        + u"<tr><th>Word</th><th>Typed the first time</th><th>Right</th></tr>"_s;
    for (qsizetype i = 0; i < m_typed.size(); ++i) {
        const bool right = SpellingMarking::isRight(m_typed[i], m_words[i]);
        html += u"<tr><td>"_s + m_words[i].toHtmlEscaped() + u"</td><td>"_s
            + m_typed[i].toHtmlEscaped() + u"</td><td>"_s + (right ? u"yes"_s : u"no"_s)
            + u"</td></tr>"_s;
    }
    html += u"</table>"_s;
    if (!m_missed.isEmpty())
        html += u"<p>Missed: "_s + m_missed.join(u", "_s).toHtmlEscaped() + u"</p>"_s;
    return html;
}
