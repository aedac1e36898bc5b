#pragma once

#include "classlists/ClassListCommands.h"
#include "classlists/ClassListPublisher.h"
#include "editor/WordListEditorDialog.h"
#include "game/ClassRecordCommands.h"
#include "game/FileCommands.h"
#include "game/GameRound.h"
#include "game/MainWindowView.h"
#include "game/MenuCaptions.h"
#include "game/PictureCommands.h"
#include "game/PracticeCommands.h"
#include "game/RoundObserver.h"
#include "game/SpeechCoach.h"
#include "platform/Services.h"
#include "progress/ProgressWindow.h"
#include "sound/SoundPlayback.h"
#include "spelling/SpellingTestWindow.h"
#include "windows/AboutDialog.h"
#include "windows/HelpTopicsWindow.h"
#include "windows/ManualWindow.h"
#include "windows/TitleScreenDialog.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class LetterButton;
class GameState;
class Clock;
class PracticeRecordStore;
class PictureBox;

class QAction;
class SentenceHint;
class QLabel;
class QMenu;
class QPushButton;

// The main game window: the gallows, the remark, the letter slots, the letter buttons and the
// menus. It decides nothing itself; the round, start-up and the File menu tell it what to show.
class MainWindow : public QMainWindow, public MainWindowView
{
    Q_OBJECT

public:
    MainWindow(GameState &state, const Services &services, QWidget *parent = nullptr);
    // Takes the help windows along, without their closing steps.
    ~MainWindow() override;

    // Brings the program into its playable state; called once, before the window is shown.
    void start();
    // Whether start-up left the title screen up, the main window waiting for it to close.
    bool isTitleScreenOpen() const { return m_titleScreen; }
    TitleScreenDialog *titleScreen() const { return m_titleScreen; }

    // The menu commands of the main window itself: each opens its window, or brings the open one
    // to the front as it is.
    void showWordListEditor();
    WordListEditorDialog *wordListEditor() const { return m_editor; }
    void showHelpTopics();
    HelpTopicsWindow *helpTopicsWindow() const { return m_helpTopics; }
    void showManual();
    ManualWindow *manualWindow() const { return m_manual; }
    // The about box goes away as soon as another window of the program is active.
    void showAbout();
    AboutDialog *aboutDialog() const { return m_about; }

    // Where the rounds are kept, from main; before start(). Without it nothing is recorded and
    // the Practice menu's items of the record stay disabled.
    // The clock dates the rounds and says which day it is for the review schedule.
    void setPracticeRecord(PracticeRecordStore &record, const Clock &clock);
    // Where the class record takes the rounds not yet sent from, and how it reaches a class
    // database; before start().
    void setClassRecord(RoundOutbox &outbox, ClassDatabaseFactory factory);
    // Where the lists the teacher publishes come from; before start(). Without it the computer
    // plays the class lists it has, and fetches none.
    void setClassListSource(ClassListSourceFactory factory);
    const ClassListCommands &classLists() const { return *m_classLists; }
    void showProgress(const QString &player);
    ProgressWindow *progressWindow() const { return m_progress; }
    // A test of the list in play, the player's due words first when trouble words are practised.
    void showSpellingTest();
    // "Voice...": the engine's voices and the speed, tried and chosen.
    void chooseVoice();
    SpellingTestWindow *spellingTestWindow() const { return m_spellingTest; }
    // The logic of the menus' items, each owning the items it decides.
    const MenuCaptions &menuCaptions() const { return *m_captions; }
    const SpeechCoach &speechCoach() const { return *m_speech; }
    const PracticeCommands &practiceCommands() const { return *m_practice; }
    PictureCommands &pictureCommands() const { return *m_pictureCommands; }
    const ClassRecordCommands &classRecordCommands() const { return *m_classRecord; }
    // "Class Record...": sets or clears the class record in the preferences.
    void setUpClassRecord();

public:
    // MainWindowView
    void setLabelVisible(Label label, bool visible) override;
    void setLabelText(Label label, const QString &caption) override;
    int remarkWidth() const override;
    void setRemarkLeft(int left) override;
    int innerWidth() const override;
    void setSlotVisible(int index, bool visible) override;
    void setSlotText(int index, const QString &caption) override;
    void setSlotToolTip(int index, const QString &toolTip) override;
    void setLetterEnabled(int index, bool enabled) override;
    void setLetterColor(int index, const QColor &color) override;
    void showGallowsPicture(int index) override;
    void setLetterText(int index, const QString &caption) override;
    void showTitleScreen() override;
    void showMainWindow() override;
    void endProgram() override;

    // The controls that come in rows, and those the view's names stand for.
    LetterButton *letterButton(int index) const { return m_letterButtons.at(index); }
    QLabel *label(Label which) const;
    QLabel *slot(int index) const { return m_slots.at(index); }
    PictureBox *gallowsPicture(int index) const { return m_gallowsPictures.at(index); }
    QWidget *innerArea() const { return m_inner; }
    // The round in play.
    const GameRound &round() const { return m_round; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createPrompt();
    void createGallowsPictures();
    void createRoundLabels();
    void createSlots();
    void createLetterButtons();
    void createNewWordButton();
    void createMenus();
    void createFileMenu();
    void createOptionsMenu(QMenu *file);
    void createHelpMenu();
    void createPracticeMenu();
    void createPicturesMenu(QMenu *practice);
    // The pictures of the set in play, with their tooltips and what a screen reader says.
    void showPictureSet();
    void startPictures();
    void layOutControls();
    void updateSlotAccessibleName(int index);

    GameState &m_state;
    Services m_services;
    SoundPlayback m_sound;
    GameRound m_round;
    // Children of this window, so that its items are found by name under it.
    MenuCaptions *m_captions;
    SpeechCoach *m_speech;
    PracticeCommands *m_practice;
    SentenceHint *m_hint;
    PictureCommands *m_pictureCommands;
    ClassRecordCommands *m_classRecord;
    FileCommands m_fileCommands;
    ClassListCommands *m_classLists;
    ClassListPublisher *m_publisher;

    QWidget *m_inner = nullptr;
    QLabel *m_promptLabel = nullptr;
    std::array<PictureBox *, 9> m_gallowsPictures{};
    QMenu *m_picturesMenu = nullptr;
    QLabel *m_remarkLabel = nullptr;
    QLabel *m_spellingLabel = nullptr;
    QLabel *m_lettersHeading = nullptr;
    std::array<QLabel *, 15> m_slots{};
    double m_lettersHeadingWidth = 0;
    std::array<LetterButton *, 28> m_letterButtons{};
    QPushButton *m_newWordButton = nullptr;

    PracticeRecordStore *m_record = nullptr;
    const Clock *m_clock = nullptr;

    QPointer<WordListEditorDialog> m_editor;
    QPointer<TitleScreenDialog> m_titleScreen;
    QPointer<HelpTopicsWindow> m_helpTopics;
    QPointer<AboutDialog> m_about;
    QPointer<ManualWindow> m_manual;
    QPointer<ProgressWindow> m_progress;
    QPointer<SpellingTestWindow> m_spellingTest;
};
