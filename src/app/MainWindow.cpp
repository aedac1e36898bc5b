#include "app/MainWindow.h"

#include "app/LetterButton.h"
#include "core/GameState.h"
#include "game/MainLayout.h"
#include "game/PlayerChoice.h"
#include "game/RoundTexts.h"
#include "game/Startup.h"
#include "platform/MessageBoxes.h"
#include "progress/PlayerDialog.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"
#include "wordlists/Preferences.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 BackColor = 0x00E0E0E0;
constexpr quint32 StartColor = 0x000000FF;
constexpr quint32 WinColor = 0x000080FF;
constexpr QStringView LetterToolTip
    = u"Click one of these buttons to choose a letter for the word.";

// Colours are stored as 0x00BBGGRR.
QColor storedColor(quint32 color)
{
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

QLabel *createLabel(QWidget *parent, const QFont &font, Qt::Alignment alignment = {})
{
    auto *label = new QLabel(parent);
    // Words come from the player's own files: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

void setTextColor(QWidget *widget, quint32 color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, storedColor(color));
    widget->setPalette(palette);
}

// Tooltips show markup when they look like it; a word from a list must show as typed.
QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? u"<qt>"_s + text.toHtmlEscaped() + u"</qt>"_s : text;
}

// Text for a menu item or button shown as it is: '&' would otherwise mark an access key.
QString literalText(const QString &caption)
{
    return QString(caption).replace(u'&', u"&&"_s);
}

// Whether a caption draws nothing to read: white space, a control or formatting character, or the
// second half of a character whose first half the slot before shows whole.
bool leavesNoMark(QStringView caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        const bool pair
            = c.isHighSurrogate() && i + 1 < caption.size() && caption[i + 1].isLowSurrogate();
        if (pair || (c.isPrint() && !c.isSpace()))
            return false;
    }
    return !caption.isEmpty();
}

// Such a caption on the slot's face would read as a letter still to find, or as a stray box: the
// slot shows as a gap in the row instead, with neither face nor text.
void showAsGap(QLabel *slot, bool gap, const QColor &textColor)
{
    slot->setAutoFillBackground(!gap);
    QPalette look = slot->palette();
    look.setColor(QPalette::WindowText, gap ? QColor(Qt::transparent) : textColor);
    slot->setPalette(look);
}

// Menus and their items are named after their ids, so that they can be found by name.
QAction *addNamedAction(QMenu *menu, const QString &text, const QString &name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QMenu *addNamedMenu(QMenu *menu, const QString &title, const QString &name)
{
    QMenu *submenu = menu->addMenu(title);
    submenu->setObjectName(name);
    return submenu;
}

} // namespace

MainWindow::MainWindow(GameState &state, const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_sound(state, services.player)
    , m_round(state, *this, services.random, m_sound)
    , m_fileCommands(state, *this, services.dialogs, services.messages, services.files)
{
    // The program ends only through this window's quit question, never because the title screen,
    // the last window up at that moment, closed.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    createControls();
    createMenus();
    // The inner area has the restored size; the menu bar comes on top of it.
    resize(Twips::toPixels(MainLayout::RestoredWidth),
        Twips::toPixels(MainLayout::RestoredHeight) + menuBar()->sizeHint().height());
}

// Created bottom first: later siblings are drawn over earlier ones, so the remark lies over the
// pictures and the buttons over the slots they reach.
void MainWindow::createControls()
{
    setObjectName(u"Form1"_s);
    m_inner = new QWidget(this);
    m_inner->setAutoFillBackground(true);
    QPalette background = m_inner->palette();
    background.setColor(QPalette::Window, storedColor(BackColor));
    m_inner->setPalette(background);
    m_inner->installEventFilter(this);
    setCentralWidget(m_inner);

    m_promptLabel = createLabel(m_inner, desktopFont(13.8, true), Qt::AlignCenter);
    m_promptLabel->setObjectName(u"lblStart"_s);
    m_promptLabel->setWordWrap(true);
    m_promptLabel->setText(u"Click here to start:  "_s);
    setTextColor(m_promptLabel, StartColor);
    m_promptLabel->resize(
        Twips::toPixels(MainLayout::PromptWidth), Twips::toPixels(MainLayout::PromptHeight));

    for (int i = 0; i < 9; ++i) {
        auto *picture = new PictureBox(Pictures::gallows(i), m_inner);
        picture->setObjectName(u"imgHang%1"_s.arg(i));
        const QString toolTip = RoundTexts::hangToolTips.at(i).toString();
        picture->setToolTip(toolTip);
        picture->setAccessibleName(toolTip.isEmpty() ? u"Gallows"_s : toolTip);
        picture->resize(
            Twips::toPixels(MainLayout::PictureWidth), Twips::toPixels(MainLayout::PictureHeight));
        picture->setVisible(i == 0);
        m_gallowsPictures[i] = picture;
    }

    m_remarkLabel = createLabel(m_inner, desktopFont(18, true));
    m_remarkLabel->setObjectName(u"lblWin"_s);
    setTextColor(m_remarkLabel, WinColor);
    m_remarkLabel->move(0, Twips::toPixels(MainLayout::WinTop));

    m_spellingLabel = createLabel(m_inner, font());
    m_spellingLabel->setObjectName(u"lblSpell"_s);
    m_spellingLabel->setText(RoundTexts::spellCaption.toString());
    m_spellingLabel->hide();

    m_lettersLabel = createLabel(m_inner, font());
    m_lettersLabel->setObjectName(u"lblButtons"_s);
    m_lettersLabel->setText(RoundTexts::buttonsCaption.toString());
    // Sized for a narrower font than most desktops have: never cut the text short.
    m_buttonsLabelWidth = std::max(
        MainLayout::ButtonsLabelWidth, Twips::fromPixels(m_lettersLabel->sizeHint().width()));
    m_lettersLabel->hide();

    for (int i = 0; i < GameState::SlotCount; ++i) {
        QLabel *slot = createLabel(m_inner, desktopFont(13.8, true), Qt::AlignCenter);
        slot->setObjectName(u"lblPick%1"_s.arg(i));
        slot->setAutoFillBackground(true);
        QPalette face = slot->palette();
        face.setColor(QPalette::Window, face.color(QPalette::Button));
        slot->setPalette(face);
        slot->hide();
        m_slots[i] = slot;
        updateSlotAccessibleName(i);
    }

    const int letterSize = Twips::toPixels(MainLayout::LetterHeight);
    for (int i = 0; i < GameState::LetterCount; ++i) {
        auto *button = new LetterButton(m_inner);
        button->setObjectName(u"cmdLetter%1"_s.arg(i));
        button->setFont(desktopFont(9.6, true));
        button->resize(letterSize, letterSize);
        connect(button, &QPushButton::clicked, this, [this, i] { m_round.guess(i); });
        m_letterButtons[i] = button;
    }

    m_newWordButton = new QPushButton(u"&New Word"_s, m_inner);
    m_newWordButton->setObjectName(u"cmdStart"_s);
    m_newWordButton->setDefault(true);
    m_newWordButton->setToolTip(u"Begin the game with a new word by clicking here."_s);
    m_newWordButton->resize(
        Twips::toPixels(MainLayout::StartWidth), Twips::toPixels(MainLayout::StartHeight));
    connect(m_newWordButton, &QPushButton::clicked, this, [this] { m_round.startRound(); });
    // A main window has no default button of its own: Enter anywhere in it starts a word.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, m_newWordButton,
            &QPushButton::click);
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFile"_s);
    QAction *newList = addNamedAction(file, u"Make &New Wordlist"_s, u"mnuFileNew"_s);
    newList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(newList, &QAction::triggered, this, &MainWindow::showWordListEditor);
    file->addSeparator();
    QAction *open = addNamedAction(file, u"&Load Another List..."_s, u"mnuFileOpen"_s);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_currentListAction = addNamedAction(file, u"(Current List)"_s, u"mnuFileCurrent"_s);
    for (QAction *action : {open, m_currentListAction})
        connect(action, &QAction::triggered, this, [this] { m_fileCommands.openList(); });
    file->addSeparator();
    QAction *chooseStartup
        = addNamedAction(file, u"Set &Startup Wordlist..."_s, u"mnuFileDefault"_s);
    m_startupListAction = addNamedAction(file, u"(Default)"_s, u"mnuFileDefault1"_s);
    for (QAction *action : {chooseStartup, m_startupListAction}) {
        connect(action, &QAction::triggered, this, [this] { m_fileCommands.chooseStartupList(); });
    }
    file->addSeparator();
    connect(addNamedAction(file, u"&Delete..."_s, u"mnuFileDelete"_s), &QAction::triggered, this,
        [this] { m_fileCommands.deleteList(); });
    file->addSeparator();

    QMenu *options = addNamedMenu(file, u"&Options"_s, u"mnuFileOptions"_s);
    m_showTitleScreenAction
        = addNamedAction(options, u"Show Startup Screen"_s, u"mnuFileOptionsShow"_s);
    m_showTitleScreenAction->setCheckable(true);
    m_showTitleScreenAction->setChecked(true);
    connect(m_showTitleScreenAction, &QAction::triggered, this,
        [this] { m_fileCommands.setTitleScreenShown(true); });
    m_hideTitleScreenAction
        = addNamedAction(options, u"Hide Startup Screen"_s, u"mnuFileOptionsHide"_s);
    m_hideTitleScreenAction->setCheckable(true);
    connect(m_hideTitleScreenAction, &QAction::triggered, this,
        [this] { m_fileCommands.setTitleScreenShown(false); });
    options->addSeparator();
    m_soundsAction = addNamedAction(options, u"&Turn Off Sounds"_s, u"mnuOptionsSounds"_s);
    connect(m_soundsAction, &QAction::triggered, this, [this] { m_fileCommands.toggleSounds(); });
    file->addSeparator();
    QAction *exit = addNamedAction(file, u"E&xit..."_s, u"mnuFileExit"_s);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    createPracticeMenu();

    // The help windows and the manual come with their own windows.
    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    help->setObjectName(u"mnuHelp"_s);
    QAction *topics = addNamedAction(help, u"&Topics"_s, u"mnuHelpTopics"_s);
    topics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(topics, &QAction::triggered, this, &MainWindow::showHelpTopics);
    // The manual stands in for an outside help viewer: a window of our own, no browser needed.
    QAction *manual = addNamedAction(help, u"&Instruction Manual"_s, u"mnuHelpProgram"_s);
    manual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(manual, &QAction::triggered, this, &MainWindow::showManual);
    help->addSeparator();
    connect(addNamedAction(help, u"&About Wordrow"_s, u"mnuHelpAbout"_s), &QAction::triggered, this,
        &MainWindow::showAbout);
}

// The practice items come last in the Practice menu, after whatever else it holds.
void MainWindow::createPracticeMenu()
{
    QMenu *practice = menuBar()->findChild<QMenu *>(u"mnuPractice"_s);
    if (!practice) {
        practice = menuBar()->addMenu(u"&Practice"_s);
        practice->setObjectName(u"mnuPractice"_s);
    }
    practice->addSeparator();
    m_playerAction = addNamedAction(practice,
        PlayerChoice::menuText(Preferences::DefaultPlayer.toString()), u"mnuPracticePlayer"_s);
    connect(m_playerAction, &QAction::triggered, this, &MainWindow::choosePlayer);
    m_progressAction = addNamedAction(practice, u"&Progress"_s, u"mnuPracticeProgress"_s);
    m_progressAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_progressAction, &QAction::triggered, this, &MainWindow::showProgress);
    m_troubleWordsAction
        = addNamedAction(practice, u"Practise &Trouble Words"_s, u"mnuPracticeTroubleWords"_s);
    m_troubleWordsAction->setCheckable(true);
    connect(m_troubleWordsAction, &QAction::triggered, this, &MainWindow::setPractiseTroubleWords);
    for (QAction *action : {m_playerAction, m_progressAction, m_troubleWordsAction})
        action->setEnabled(false);
}

MainWindow::~MainWindow()
{
    // Windows of their own, without an owner, so not children of this one.
    delete m_helpTopics;
    delete m_manual;
    delete m_about;
    delete m_progress;
}

void MainWindow::setPracticeRecord(PracticeRecordStore &record)
{
    m_record = &record;
    m_recorder = std::make_unique<PracticeRecorder>(
        record, m_services.messages, [this] { return preferences().player(); });
    m_recorder->setListInPlay(m_listInPlay);
    m_review = std::make_unique<ReviewDraw>([this] { return m_troubleWordsAction->isChecked(); },
        [this] { return m_recorder->troubleWords(); });
    m_round.addObserver(m_recorder.get());
    m_round.setWordChooser(m_review.get());
}

Preferences MainWindow::preferences() const
{
    return Preferences(m_state.homeDir);
}

// The options come from the preferences file, which is known once start-up has found the home
// folder; reading it opens no record.
void MainWindow::showPracticeOptions()
{
    const Preferences options = preferences();
    // Without the file every option has its default: not worth starting QSettings for.
    if (QFileInfo::exists(options.path())) {
        m_playerAction->setText(PlayerChoice::menuText(options.player()));
        m_troubleWordsAction->setChecked(options.practiseTroubleWords());
    }
    for (QAction *action : {m_playerAction, m_progressAction, m_troubleWordsAction})
        action->setEnabled(m_record != nullptr);
}

void MainWindow::setPractiseTroubleWords(bool on)
{
    if (!preferences().setPractiseTroubleWords(on)) {
        m_services.messages.inform(
            u"The choice could not be kept: the game's folder cannot be written. It holds until "
            u"the game ends."_s,
            u"Wordrow"_s, MessageBoxes::Icon::Information);
    }
}

void MainWindow::choosePlayer()
{
    if (!m_record)
        return;
    Preferences options = preferences();
    PlayerChoice choice(options, *m_record);
    PlayerDialog dialog(choice, this);
    dialog.exec();
    // A rename is kept even when the dialog is cancelled.
    m_playerAction->setText(PlayerChoice::menuText(options.player()));
    m_recorder->forgetTroubleWords();
}

void MainWindow::showProgress()
{
    if (!m_record)
        return;
    if (!m_progress) {
        m_progress = new ProgressWindow(
            preferences().player(), *m_record, m_services.dialogs, m_services.messages);
    }
    if (m_progress->isMinimized())
        m_progress->setWindowState(m_progress->windowState() & ~Qt::WindowMinimized);
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

void MainWindow::listInPlayChanged(const QString &list)
{
    m_listInPlay = list;
    if (m_recorder)
        m_recorder->setListInPlay(list);
}

void MainWindow::start()
{
    Startup(
        m_state, *this, m_services.player, m_services.random, m_services.messages, m_services.files)
        .run();
    showPracticeOptions();
}

void MainWindow::showWordListEditor()
{
    // A child of this window: ending the program from here takes it along without its
    // closing steps.
    if (!m_editor)
        m_editor = new WordListEditorDialog(m_state, m_services, *this, this);
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void MainWindow::showHelpTopics()
{
    if (!m_helpTopics) {
        m_helpTopics = new HelpTopicsWindow(m_state, m_services.player);
        m_helpTopics->showMaximized();
        return;
    }
    if (m_helpTopics->isMinimized())
        m_helpTopics->setWindowState(m_helpTopics->windowState() & ~Qt::WindowMinimized);
    m_helpTopics->raise();
    m_helpTopics->activateWindow();
}

void MainWindow::showManual()
{
    if (!m_manual)
        m_manual = new ManualWindow;
    if (m_manual->isMinimized())
        m_manual->setWindowState(m_manual->windowState() & ~Qt::WindowMinimized);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutDialog(m_state, m_services);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::Resize)
        layOutControls();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::layOutControls()
{
    const std::optional<MainLayout> layout
        = MainLayout::forInnerSize(Twips::fromPixels(m_inner->width()),
            Twips::fromPixels(m_inner->height()), m_buttonsLabelWidth);
    if (!layout)
        return;
    for (int i = 0; i < GameState::LetterCount; ++i) {
        placeInTwips(m_letterButtons[i], layout->letters[i]);
        m_letterButtons[i]->setToolTip(LetterToolTip.toString());
    }
    for (int i = 0; i < GameState::SlotCount; ++i)
        placeInTwips(m_slots[i], layout->slots[i]);
    placeInTwips(m_newWordButton, layout->start);
    placeInTwips(m_promptLabel, layout->prompt);
    m_spellingLabel->move(Twips::toPixels(layout->spelling));
    placeInTwips(m_lettersLabel, layout->lettersHeading);
    for (PictureBox *picture : m_gallowsPictures)
        placeInTwips(picture, layout->picture);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_fileCommands.confirmQuit());
}

QLabel *MainWindow::label(Label which) const
{
    switch (which) {
    case Label::Prompt:
        return m_promptLabel;
    case Label::Remark:
        return m_remarkLabel;
    case Label::Spelling:
        return m_spellingLabel;
    case Label::LettersHeading:
        return m_lettersLabel;
    }
    return nullptr;
}

void MainWindow::setLabelVisible(Label which, bool visible)
{
    label(which)->setVisible(visible);
}

void MainWindow::setLabelText(Label which, const QString &caption)
{
    QLabel *shown = label(which);
    shown->setText(caption);
    // The remark and the spelling line size themselves to their text.
    if (which == Label::Remark || which == Label::Spelling)
        shown->adjustSize();
}

int MainWindow::remarkWidth() const
{
    return int(Twips::fromPixels(m_remarkLabel->width()));
}

void MainWindow::setRemarkLeft(int left)
{
    m_remarkLabel->move(Twips::toPixels(left), Twips::toPixels(MainLayout::WinTop));
}

int MainWindow::innerWidth() const
{
    return int(Twips::fromPixels(m_inner->width()));
}

void MainWindow::setSlotVisible(int index, bool visible)
{
    m_slots.at(index)->setVisible(visible);
}

void MainWindow::setSlotText(int index, const QString &caption)
{
    QLabel *slot = m_slots.at(index);
    slot->setText(caption);
    showAsGap(slot, leavesNoMark(caption), palette().color(QPalette::WindowText));
    updateSlotAccessibleName(index);
}

void MainWindow::setSlotToolTip(int index, const QString &toolTip)
{
    m_slots.at(index)->setToolTip(plainToolTip(toolTip));
}

void MainWindow::updateSlotAccessibleName(int index)
{
    QLabel *slot = m_slots.at(index);
    const QString name = u"Letter %1"_s.arg(index + 1);
    const QString text = slot->text();
    if (text.isEmpty())
        slot->setAccessibleName(name);
    else
        slot->setAccessibleName(name + u": "_s + (text.trimmed().isEmpty() ? u"space"_s : text));
}

void MainWindow::setLetterEnabled(int index, bool enabled)
{
    m_letterButtons.at(index)->setEnabled(enabled);
}

void MainWindow::setLetterColor(int index, quint32 color)
{
    m_letterButtons.at(index)->setFaceColor(storedColor(color));
}

void MainWindow::showGallowsPicture(int index)
{
    for (int i = 0; i < int(m_gallowsPictures.size()); ++i)
        m_gallowsPictures[i]->setVisible(i == index);
}

QAction *MainWindow::menuItem(MenuItem item) const
{
    switch (item) {
    case MenuItem::CurrentList:
        return m_currentListAction;
    case MenuItem::StartupList:
        return m_startupListAction;
    case MenuItem::ShowTitleScreen:
        return m_showTitleScreenAction;
    case MenuItem::HideTitleScreen:
        return m_hideTitleScreenAction;
    case MenuItem::Sounds:
        return m_soundsAction;
    }
    return nullptr;
}

void MainWindow::setMenuText(MenuItem item, const QString &caption)
{
    const bool namesList = item == MenuItem::CurrentList || item == MenuItem::StartupList;
    menuItem(item)->setText(namesList ? literalText(caption) : caption);
}

void MainWindow::setMenuChecked(MenuItem item, bool checked)
{
    menuItem(item)->setChecked(checked);
}

void MainWindow::setMenuEnabled(MenuItem item, bool enabled)
{
    menuItem(item)->setEnabled(enabled);
}

void MainWindow::setTitle(const QString &caption)
{
    setWindowTitle(caption);
}

void MainWindow::setLetterText(int index, const QString &caption)
{
    QPushButton *button = m_letterButtons.at(index);
    // Letters have no access keys.
    button->setText(literalText(caption));
    button->setAccessibleName(caption);
}

void MainWindow::showTitleScreen()
{
    // This window is not shown yet: it waits, hidden, until the title screen closes.
    m_titleScreen = new TitleScreenDialog(m_state, m_services, *this, this);
    m_titleScreen->showMaximized();
}

void MainWindow::showMainWindow()
{
    showMaximized();
    activateWindow();
}

void MainWindow::endProgram()
{
    // exit() rather than quit(): quit() would ask every window to close, running their closing
    // steps and this window's question again.
    QCoreApplication::exit(0);
}
