#include "app/MainWindow.h"
#include "game/PracticeRecorder.h"

#include "app/FocusFrameButton.h"
#include "app/LetterButton.h"
#include "classrecord/ClassRecordConnection.h"
#include "core/GameState.h"
#include "game/KeyboardGuess.h"
#include "game/MainLayout.h"
#include "game/PlayerChoice.h"
#include "game/RoundTexts.h"
#include "game/SentenceHint.h"
#include "game/Startup.h"
#include "platform/MessageBoxes.h"
#include "progress/ClassRecordDialog.h"
#include "progress/ClassRecordSetup.h"
#include "progress/PlayerDialog.h"
#include "ui/AccessibleMenuItem.h"
#include "ui/OpenOrRaise.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"
#include "windows/VoiceDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QColor BackColor = Colors::LightGrey;
constexpr QColor PromptColor(255, 0, 0);
constexpr QColor RemarkColor(255, 128, 0);
constexpr QStringView LetterToolTip
    = u"Click one of these buttons to choose a letter for the word.";

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
    setColors(slot, gap ? QColor(Qt::transparent) : textColor);
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
    , m_captions(new MenuCaptions(this))
    , m_speech(new SpeechCoach(services.speaker, m_sound, this))
    , m_practice(new PracticeCommands(m_round, services.messages, this))
    , m_hint(new SentenceHint(m_round, services.messages, this))
    , m_pictureCommands(new PictureCommands(state, PictureSetting::systemFile(), this))
    , m_classRecord(new ClassRecordCommands(this))
    , m_fileCommands(state, *this, *m_captions, services.dialogs, services.messages, services.files)
    , m_classLists(new ClassListCommands(state, *m_captions, services.messages, this))
    , m_publisher(new ClassListPublisher(*m_classRecord, services.messages, this))
{
    // A greyed-out item's reason, its tooltip, is its description for a screen reader too.
    AccessibleMenuItem::install();
    // The program ends only through this window's quit question, never because the title screen,
    // the last window up at that moment, closed.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    createControls();
    createMenus();
    m_round.addObserver(m_speech);
    m_round.addObserver(m_hint);
    m_speech->setSentenceSource([this](const QString &word) { return m_state.sentences.of(word); });
    connect(m_speech, &SpeechCoach::voiceDialogWanted, this, &MainWindow::chooseVoice);
    connect(m_captions, &MenuCaptions::titleChanged, this, &QWidget::setWindowTitle);
    connect(
        m_captions, &MenuCaptions::listInPlayChanged, m_practice, &PracticeCommands::setListInPlay);
    connect(m_practice, &PracticeCommands::playerChoiceWanted, this,
        [this](PlayerChoice &choice) { PlayerDialog(choice, this).exec(); });
    connect(m_practice, &PracticeCommands::progressWanted, this, &MainWindow::showProgress);
    connect(m_speech, &SpeechCoach::speechChanged, m_practice, &PracticeCommands::setSpeech);
    connect(m_practice, &PracticeCommands::spellingTestWanted, this, &MainWindow::showSpellingTest);
    connect(m_classRecord, &ClassRecordCommands::setUpWanted, this, &MainWindow::setUpClassRecord);
    connect(
        m_pictureCommands, &PictureCommands::picturesChanged, this, &MainWindow::showPictureSet);
    connect(m_practice, &PracticeCommands::playerChanged, this, [this](const QString &player) {
        // Closed as by its own close button: the word being said stops, the answers given so far
        // stay the player's who gave them.
        if (m_spellingTest)
            m_spellingTest->close();
        if (m_progress) {
            delete m_progress;
            showProgress(player);
        }
    });
    connect(m_captions, &MenuCaptions::listInPlayChanged, m_classLists,
        &ClassListCommands::setListInPlay);
    // The inner area has the restored size; the menu bar comes on top of it.
    resize(Twips::toPixels(QSizeF(MainLayout::RestoredWidth, MainLayout::RestoredHeight))
        + QSize(0, menuBar()->sizeHint().height()));
}

// Created bottom first: later siblings are drawn over earlier ones, so the remark lies over the
// pictures and the buttons over the slots they reach.
void MainWindow::createControls()
{
    setObjectName(u"Form1"_s);
    m_inner = new QWidget(this);
    m_inner->setAutoFillBackground(true);
    setColors(m_inner, QColor(), BackColor);
    m_inner->installEventFilter(this);
    setCentralWidget(m_inner);

    createPrompt();
    createGallowsPictures();
    createRoundLabels();
    createSlots();
    createLetterButtons();
    createNewWordButton();
}

void MainWindow::createPrompt()
{
    m_promptLabel = createLabel(
        u"Click here to start:  "_s, desktopFont(13.8, true), Qt::AlignCenter, m_inner);
    m_promptLabel->setObjectName(u"lblStart"_s);
    m_promptLabel->setWordWrap(true);
    setColors(m_promptLabel, PromptColor);
    m_promptLabel->resize(
        Twips::toPixels(QSizeF(MainLayout::PromptWidth, MainLayout::PromptHeight)));
}

void MainWindow::createGallowsPictures()
{
    for (int i = 0; i < 9; ++i) {
        auto *picture = new PictureBox(QString(), m_inner);
        picture->setObjectName(u"imgHang%1"_s.arg(i));
        picture->resize(
            Twips::toPixels(QSizeF(MainLayout::GallowsWidth, MainLayout::GallowsHeight)));
        picture->setVisible(i == 0);
        m_gallowsPictures[i] = picture;
    }
    showPictureSet();
}

void MainWindow::showPictureSet()
{
    const PictureSet::Set set = m_state.pictures;
    for (int i = 0; i < int(m_gallowsPictures.size()); ++i) {
        PictureBox *picture = m_gallowsPictures[i];
        picture->setResource(Pictures::round(set, i));
        const QString toolTip = RoundTexts::pictureToolTips(set).at(i).toString();
        picture->setToolTip(toolTip);
        picture->setAccessibleName(
            toolTip.isEmpty() ? RoundTexts::pictureName(set).toString() : toolTip);
    }
}

// The remark, "Spell this word:" and "From these letters", shown while a round is on.
void MainWindow::createRoundLabels()
{
    m_remarkLabel = createLabel(QString(), desktopFont(18, true), {}, m_inner);
    m_remarkLabel->setObjectName(u"lblWin"_s);
    setColors(m_remarkLabel, RemarkColor);
    m_remarkLabel->move(0, Twips::toPixels(MainLayout::RemarkTop));

    m_spellingLabel = createLabel(RoundTexts::spellCaption.toString(), font(), {}, m_inner);
    m_spellingLabel->setObjectName(u"lblSpell"_s);
    m_spellingLabel->hide();

    m_lettersHeading = createLabel(RoundTexts::lettersHeading.toString(), font(), {}, m_inner);
    m_lettersHeading->setObjectName(u"lblButtons"_s);
    // Sized for a narrower font than most desktops have: never cut the text short.
    m_lettersHeadingWidth = std::max(
        MainLayout::LettersHeadingWidth, Twips::fromPixels(m_lettersHeading->sizeHint().width()));
    m_lettersHeading->hide();
}

void MainWindow::createSlots()
{
    for (int i = 0; i < GameRound::SlotCount; ++i) {
        QLabel *slot = createLabel(QString(), desktopFont(13.8, true), Qt::AlignCenter, m_inner);
        slot->setObjectName(u"lblPick%1"_s.arg(i));
        slot->setAutoFillBackground(true);
        setColors(slot, QColor(), slot->palette().color(QPalette::Button));
        slot->hide();
        m_slots[i] = slot;
        updateSlotAccessibleName(i);
    }
}

void MainWindow::createLetterButtons()
{
    const int letterSize = Twips::toPixels(MainLayout::LetterHeight);
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        auto *button = new LetterButton(m_inner);
        button->setObjectName(u"cmdLetter%1"_s.arg(i));
        button->setFont(desktopFont(9.6, true));
        button->resize(letterSize, letterSize);
        connect(button, &QPushButton::clicked, this, [this, i] { m_round.guess(i); });
        m_letterButtons[i] = button;
    }
}

void MainWindow::createNewWordButton()
{
    m_newWordButton = new FocusFrameButton(u"&New Word"_s, m_inner);
    m_newWordButton->setObjectName(u"cmdStart"_s);
    m_newWordButton->setDefault(true);
    m_newWordButton->setToolTip(u"Begin the game with a new word by clicking here."_s);
    m_newWordButton->resize(
        Twips::toPixels(QSizeF(MainLayout::NewWordWidth, MainLayout::NewWordHeight)));
    connect(m_newWordButton, &QPushButton::clicked, this, [this] { m_round.startRound(); });
    // A main window has no default button of its own: Enter anywhere in it starts a word.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, m_newWordButton,
            &QPushButton::click);
}

void MainWindow::createMenus()
{
    createFileMenu();
    createPracticeMenu();
    createHelpMenu();
}

void MainWindow::createFileMenu()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFile"_s);
    QAction *newList = addNamedAction(file, u"Make &New Wordlist"_s, u"mnuFileNew"_s);
    newList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(newList, &QAction::triggered, this, &MainWindow::showWordListEditor);
    file->addSeparator();
    QAction *open = addNamedAction(file, u"&Load Another List..."_s, u"mnuFileOpen"_s);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addAction(m_captions->currentList());
    for (QAction *action : {open, m_captions->currentList()})
        connect(action, &QAction::triggered, this, [this] { m_fileCommands.openList(); });
    file->addSeparator();
    QAction *chooseStartup
        = addNamedAction(file, u"Set &Startup Wordlist..."_s, u"mnuFileDefault"_s);
    file->addAction(m_captions->startupList());
    for (QAction *action : {chooseStartup, m_captions->startupList()}) {
        connect(action, &QAction::triggered, this, [this] { m_fileCommands.chooseStartupList(); });
    }
    file->addSeparator();
    connect(addNamedAction(file, u"&Delete..."_s, u"mnuFileDelete"_s), &QAction::triggered, this,
        [this] { m_fileCommands.deleteList(); });
    file->addSeparator();
    createOptionsMenu(file);
    file->addSeparator();
    QAction *exit = addNamedAction(file, u"E&xit..."_s, u"mnuFileExit"_s);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::createOptionsMenu(QMenu *file)
{
    QMenu *options = addNamedMenu(file, u"&Options"_s, u"mnuFileOptions"_s);
    options->addActions({m_captions->showTitleScreen(), m_captions->hideTitleScreen()});
    connect(m_captions->showTitleScreen(), &QAction::triggered, this,
        [this] { m_fileCommands.setTitleScreenShown(true); });
    connect(m_captions->hideTitleScreen(), &QAction::triggered, this,
        [this] { m_fileCommands.setTitleScreenShown(false); });
    options->addSeparator();
    options->addAction(m_captions->sounds());
    connect(
        m_captions->sounds(), &QAction::triggered, this, [this] { m_fileCommands.toggleSounds(); });
}

// Between File and Help: the items of the speech coach, then those of the record.
void MainWindow::createPracticeMenu()
{
    QMenu *practice = menuBar()->addMenu(u"&Practice"_s);
    practice->setObjectName(u"mnuPractice"_s);
    // A disabled item's tooltip says why: speech needs an engine that may be missing.
    practice->setToolTipsVisible(true);
    practice->addActions(m_speech->actions());
    practice->addAction(m_hint->action());
    practice->addSeparator();
    practice->addActions(m_practice->actions());
    practice->addSeparator();
    practice->addAction(m_classRecord->classRecordAction());
    createPicturesMenu(practice);
}

// Last in the Practice menu, after the items it had before.
void MainWindow::createPicturesMenu(QMenu *practice)
{
    practice->addSeparator();
    m_picturesMenu = addNamedMenu(practice, u"P&ictures"_s, u"mnuPictures"_s);
    m_picturesMenu->setToolTipsVisible(true);
    m_picturesMenu->addActions(m_pictureCommands->actions());
}

// The help windows and the manual come with their own windows.
void MainWindow::createHelpMenu()
{
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

void MainWindow::setClassListSource(ClassListSourceFactory factory)
{
    m_classLists->setSourceFactory(std::move(factory));
}

void MainWindow::setClassRecord(RoundOutbox &outbox, ClassDatabaseFactory factory)
{
    m_classRecord->setDatabase(outbox, std::move(factory));
}

void MainWindow::setUpClassRecord()
{
    ClassRecordDialog dialog(this);
    ClassRecordSetup setup(m_classRecord->preferences(), m_classRecord->factory(), dialog);
    setup.setWaiting([this] { return m_classRecord->waitingText(); });
    dialog.setSetup(setup);
    dialog.exec();
}

MainWindow::~MainWindow()
{
    // Windows of their own, without an owner, so not children of this one.
    delete m_helpTopics;
    delete m_manual;
    delete m_about;
    delete m_progress;
}

void MainWindow::setPracticeRecord(PracticeRecordStore &record, const Clock &clock)
{
    // What the record keeps goes out to the class record too.
    m_record = &m_classRecord->sendingRecord(record);
    m_clock = &clock;
    m_practice->setRecord(*m_record, clock);
}

void MainWindow::showProgress(const QString &player)
{
    if (!m_record)
        return;
    openOrRaise(m_progress, [this, &player] {
        auto *window = new ProgressWindow(
            player, *m_record, m_services.dialogs, m_services.messages, *m_clock);
        // Only the teacher's login reads the class: a pupil's computer has no class view.
        if (auto classView = m_classRecord->classView())
            window->setClassRecord(std::move(classView),
                [commands = m_classRecord] { return commands->waitingText(); });
        return window;
    });
}

void MainWindow::chooseVoice()
{
    VoiceDialog(*m_speech, m_services.speaker, this).exec();
}

void MainWindow::showSpellingTest()
{
    if (!m_record)
        return;
    openOrRaise(m_spellingTest, [this] {
        SpellingTest::Setup setup{m_practice->player(), m_practice->listInPlay(),
            m_state.words.toStringList(), m_practice->practisesTroubleWords(),
            [practice = m_practice] { return practice->dueWords(); }, m_state.sentences};
        auto *window = new SpellingTestWindow(std::move(setup), m_services, *m_record, *m_clock);
        connect(window, &QObject::destroyed, m_practice, &PracticeCommands::spellingTestClosed);
        return window;
    });
}

void MainWindow::start()
{
    Startup(m_state, *this, *m_captions, m_services.player, m_services.random, m_services.messages,
        m_services.files)
        .run();
    // The one preferences object, which the class record's commands own.
    m_classRecord->start(m_state.homeDir);
    m_speech->start(m_classRecord->preferences());
    m_practice->start(m_classRecord->preferences());
    startPictures();
    m_round.addObserver(m_classLists);
    m_classLists->start(m_classRecord->preferences());
}

// Reads the set chosen; a set the administrator locked greys out the choice, saying why.
void MainWindow::startPictures()
{
    m_pictureCommands->start();
    showPictureSet();
    const QString reason = m_pictureCommands->lockReason();
    m_picturesMenu->menuAction()->setToolTip(reason);
    m_picturesMenu->setToolTip(reason);
    m_picturesMenu->setAccessibleDescription(reason);
}

void MainWindow::showWordListEditor()
{
    // A child of this window: ending the program from here takes it along without its
    // closing steps.
    openOrRaise(m_editor, [this] {
        auto *editor = new WordListEditorDialog(m_state, m_services, *m_captions, this);
        if (m_publisher->canPublish())
            editor->setPublish([this](const QStringList &words, const QStringList &sentences) {
                m_publisher->publish(words, sentences);
            });
        return editor;
    });
}

void MainWindow::showHelpTopics()
{
    openOrRaise(m_helpTopics, [this] {
        auto *topics = new HelpTopicsWindow(m_state, m_services.player);
        // It opens maximized; brought back later, it keeps whatever size the player gave it.
        topics->setWindowState(Qt::WindowMaximized);
        return topics;
    });
}

void MainWindow::showManual()
{
    openOrRaise(m_manual, [this] { return new ManualWindow(m_state.pictures); });
}

void MainWindow::showAbout()
{
    openOrRaise(m_about, [this] { return new AboutDialog(m_state, m_services); });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::Resize)
        layOutControls();
    return QMainWindow::eventFilter(watched, event);
}

// Keys the focused control leaves alone come here, whichever control has the focus; the editor
// and the other windows are windows of their own and keep their keys.
void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const int letter
        = KeyboardGuess::letterFor(event->text(), event->modifiers(), m_round.letters());
    if (letter < 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A held key is one guess; a button that takes no clicks takes no keys either.
    if (!event->isAutoRepeat())
        m_letterButtons.at(letter)->pressFromKeyboard();
}

void MainWindow::layOutControls()
{
    const std::optional<MainLayout> layout
        = MainLayout::forInnerSize(Twips::fromPixels(m_inner->width()),
            Twips::fromPixels(m_inner->height()), m_lettersHeadingWidth);
    if (!layout)
        return;
    for (int i = 0; i < GameRound::LetterCount; ++i) {
        placeInTwips(m_letterButtons[i], layout->letters[i]);
        m_letterButtons[i]->setToolTip(LetterToolTip.toString());
    }
    for (int i = 0; i < GameRound::SlotCount; ++i)
        placeInTwips(m_slots[i], layout->slots[i]);
    placeInTwips(m_newWordButton, layout->newWordButton);
    placeInTwips(m_promptLabel, layout->prompt);
    m_spellingLabel->move(Twips::toPixels(layout->spelling));
    placeInTwips(m_lettersHeading, layout->lettersHeading);
    for (PictureBox *picture : m_gallowsPictures)
        placeInTwips(picture, layout->gallowsPicture);
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
        return m_lettersHeading;
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
    m_remarkLabel->move(Twips::toPixels(left), Twips::toPixels(MainLayout::RemarkTop));
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

void MainWindow::setLetterColor(int index, const QColor &color)
{
    m_letterButtons.at(index)->setFaceColor(color);
}

void MainWindow::showGallowsPicture(int index)
{
    for (int i = 0; i < int(m_gallowsPictures.size()); ++i)
        m_gallowsPictures[i]->setVisible(i == index);
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
    // Start-up shows the title screen as soon as it knows the home folder, before start() goes on.
    startPictures();
    // This window is not shown yet: it waits, hidden, until the title screen closes.
    m_titleScreen = new TitleScreenDialog(m_state, *this, *m_captions, this);
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
