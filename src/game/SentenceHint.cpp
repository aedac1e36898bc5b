#include "game/SentenceHint.h"

#include "core/Sentences.h"
#include "game/GameRound.h"
#include "game/MenuAction.h"
#include "platform/MessageBoxes.h"

using namespace Qt::StringLiterals;

SentenceHint::SentenceHint(GameRound &round, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_round(round)
    , m_messages(messages)
    , m_action(newMenuAction(this, u"Show the Word in a &Sentence"_s, u"mnuPracticeHint"_s,
          QKeySequence(Qt::CTRL | Qt::Key_I)))
{
    connect(m_action, &QAction::triggered, this, &SentenceHint::showHint);
    enable();
}

void SentenceHint::showHint()
{
    const QString sentence = m_round.sentence();
    if (sentence.isEmpty())
        return;
    m_round.markHinted();
    // A message box, so that a screen reader reads the sentence out as it opens.
    m_messages.inform(
        u"The word fits in this sentence:\n\n"_s + Sentences::blanked(m_round.word(), sentence),
        u"Hint"_s, MessageBoxes::Icon::Information);
}

void SentenceHint::roundStarted(const QString &)
{
    enable();
}

void SentenceHint::roundEnded(const Round &)
{
    enable();
}

void SentenceHint::enable()
{
    const bool hint = !m_round.sentence().isEmpty();
    m_action->setEnabled(hint);
    m_action->setToolTip(hint     ? QString()
            : m_round.isInRound() ? u"This word has no sentence in its list."_s
                                  : u"A hint is there during a round."_s);
}
