#include "game/PracticeCommands.h"

#include "game/GameRound.h"
#include "game/MenuAction.h"
#include "game/PlayerChoice.h"
#include "game/PracticeRecorder.h"
#include "game/ReviewDraw.h"
#include "platform/MessageBoxes.h"
#include "wordlists/Preferences.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

PracticeCommands::PracticeCommands(GameRound &round, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_round(round)
    , m_messages(messages)
    , m_playerAction(addItem(
          PlayerChoice::menuText(Preferences::DefaultPlayer.toString()), u"mnuPracticePlayer"_s))
    , m_progressAction(
          addItem(u"&Progress"_s, u"mnuPracticeProgress"_s, QKeySequence(Qt::CTRL | Qt::Key_P)))
    , m_spellingTestAction(addItem(
          u"&Spelling Test..."_s, u"mnuPracticeSpellingTest"_s, QKeySequence(Qt::CTRL | Qt::Key_E)))
    , m_troubleWordsAction(addItem(u"Practise &Trouble Words"_s, u"mnuPracticeTroubleWords"_s))
{
    m_troubleWordsAction->setCheckable(true);
    // Until the record is known, none of them has anything to work on.
    for (QAction *item : std::as_const(m_actions))
        item->setEnabled(false);
    connect(m_playerAction, &QAction::triggered, this, &PracticeCommands::choosePlayer);
    connect(m_progressAction, &QAction::triggered, this, &PracticeCommands::showProgress);
    connect(m_troubleWordsAction, &QAction::triggered, this,
        &PracticeCommands::setPractiseTroubleWords);
    connect(m_spellingTestAction, &QAction::triggered, this, &PracticeCommands::showSpellingTest);
}

PracticeCommands::~PracticeCommands() = default;

QAction *PracticeCommands::addItem(
    const QString &text, const QString &name, const QKeySequence &shortcut)
{
    QAction *item = newMenuAction(this, text, name, shortcut);
    m_actions.append(item);
    return item;
}

QString PracticeCommands::player() const
{
    return m_preferences ? m_preferences->player() : Preferences::DefaultPlayer.toString();
}

void PracticeCommands::setRecord(PracticeRecordStore &record, const Clock &clock)
{
    m_record = &record;
    m_recorder = std::make_unique<PracticeRecorder>(
        record, m_messages, [this] { return player(); }, clock);
    m_recorder->setListInPlay(m_listInPlay);
    m_review = std::make_unique<ReviewDraw>([this] { return m_practiseTroubleWords; },
        [this] { return m_recorder->troubleWords(); }, m_recorder->dueWordSource());
    m_round.addObserver(m_recorder.get());
    m_round.setWordChooser(m_review.get());
}

void PracticeCommands::start(Preferences &preferences)
{
    m_preferences = &preferences;
    // Without the file every option has its default: not worth starting QSettings for.
    if (QFileInfo::exists(preferences.path())) {
        showPlayer();
        m_practiseTroubleWords = preferences.practiseTroubleWords();
        m_troubleWordsAction->setChecked(m_practiseTroubleWords);
    }
    enableItems();
}

void PracticeCommands::enableItems()
{
    for (QAction *item : std::as_const(m_actions))
        item->setEnabled(m_record != nullptr);
    m_spellingTestAction->setEnabled(m_record != nullptr && m_speech);
}

void PracticeCommands::setSpeech(bool available, const QString &whyNot)
{
    m_speech = available;
    m_spellingTestAction->setToolTip(available ? QString() : whyNot);
    // Before start() the items wait for the record's options.
    if (m_preferences)
        enableItems();
}

void PracticeCommands::showSpellingTest()
{
    if (m_record && m_speech)
        Q_EMIT spellingTestWanted();
}

void PracticeCommands::setListInPlay(const QString &list)
{
    m_listInPlay = list;
    if (m_recorder)
        m_recorder->setListInPlay(list);
}

void PracticeCommands::setPractiseTroubleWords(bool on)
{
    // The choice holds for this run even when it cannot be kept.
    m_practiseTroubleWords = on;
    m_troubleWordsAction->setChecked(on);
    if (!m_preferences || !m_preferences->setPractiseTroubleWords(on)) {
        m_messages.inform(
            u"The choice could not be kept: the game's folder cannot be written. It holds until "
            u"the game ends."_s,
            u"Wordrow"_s, MessageBoxes::Icon::Information);
    }
}

void PracticeCommands::choosePlayer()
{
    if (!m_record || !m_preferences)
        return;
    Preferences &options = *m_preferences;
    PlayerChoice choice(options, *m_record);
    const QString before = options.player();
    Q_EMIT playerChoiceWanted(choice);
    // A rename is kept even when the choice is cancelled.
    showPlayer();
    m_recorder->forgetTroubleWords();
    if (options.player() != before)
        Q_EMIT playerChanged(options.player());
}

QStringList PracticeCommands::dueWords() const
{
    return m_recorder ? m_recorder->dueWordSource()() : QStringList();
}

void PracticeCommands::spellingTestClosed()
{
    if (m_recorder)
        m_recorder->forgetTroubleWords();
}

void PracticeCommands::showProgress()
{
    if (m_record)
        Q_EMIT progressWanted(player());
}

void PracticeCommands::showPlayer()
{
    m_playerAction->setText(PlayerChoice::menuText(player()));
}
