#pragma once

#include "FileMenu.h"
#include "GameRound.h"
#include "MainWindowView.h"
#include "Platform.h"
#include "SoundPlayback.h"
#include "frmAbout.h"
#include "frmManual.h"
#include "frmNewWords.h"
#include "frmSplash.h"
#include "frmTopics.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class LetterButton;
class Module1;
class PictureBox;

class QAction;
class QLabel;
class QPushButton;

// The main game window: the gallows, the remark, the letter slots, the letter buttons and the
// menus. It decides nothing itself; the round, start-up and the File menu tell it what to show.
class Form1 : public QMainWindow, public MainWindowView
{
public:
    Form1(Module1 &state, const Platform &platform, QWidget *parent = nullptr);
    // Takes the help windows along, without their closing steps.
    ~Form1() override;

    // Brings the program into its playable state; called once, before the window is shown.
    void Form_Load();
    // Whether start-up left the title screen up, the main window waiting for it to close.
    bool isTitleScreenOpen() const { return m_frmSplash; }
    frmSplash *titleScreen() const { return m_frmSplash; }

    // Opens the word-list editor, or brings the open one to the front as it is.
    void mnuFileNew_Click();
    frmNewWords *newWordsWindow() const { return m_frmNewWords; }
    // Opens the help topics, or brings the open window to the front as it is.
    void mnuHelpTopics_Click();
    frmTopics *topicsWindow() const { return m_frmTopics; }
    // Opens the instruction manual, or brings the open one to the front as it is.
    void mnuHelpManual_Click();
    frmManual *manualWindow() const { return m_frmManual; }
    // Opens the about box; it goes away as soon as another window of the program is active.
    void mnuHelpAbout_Click();
    frmAbout *aboutBox() const { return m_frmAbout; }

    // MainWindowView
    void setLabelVisible(Label label, bool visible) override;
    void setLabelCaption(Label label, const QString &caption) override;
    int lblWinWidth() const override;
    void setLblWinLeft(int left) override;
    int innerWidth() const override;
    void setPickVisible(int index, bool visible) override;
    void setPickCaption(int index, const QString &caption) override;
    void setPickToolTip(int index, const QString &toolTip) override;
    void setLetterEnabled(int index, bool enabled) override;
    void setLetterBackColor(int index, quint32 color) override;
    void showHangPicture(int index) override;
    void setMenuCaption(MenuItem item, const QString &caption) override;
    void setMenuChecked(MenuItem item, bool checked) override;
    void setMenuEnabled(MenuItem item, bool enabled) override;
    void setFormCaption(const QString &caption) override;
    void setLetterCaption(int index, const QString &caption) override;
    void showTitleScreen() override;
    void showMainWindow() override;
    void endProgram() override;

    // The controls, for tests and for windows that borrow from this one.
    LetterButton *cmdLetter(int index) const { return m_cmdLetter.at(index); }
    QPushButton *cmdStart() const { return m_cmdStart; }
    QLabel *label(Label which) const;
    QLabel *lblPick(int index) const { return m_lblPick.at(index); }
    PictureBox *imgHang(int index) const { return m_imgHang.at(index); }
    QWidget *innerArea() const { return m_inner; }
    QAction *menuItem(MenuItem item) const;
    QAction *mnuFileExit() const { return m_mnuFileExit; }

    static QString hangPictureResource(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Resize();
    void updatePickAccessibleName(int index);

    Module1 &m_state;
    Platform m_platform;
    SoundPlayback m_sound;
    GameRound m_round;
    FileMenu m_fileMenu;

    QWidget *m_inner = nullptr;
    QLabel *m_lblStart = nullptr;
    std::array<PictureBox *, 9> m_imgHang{};
    QLabel *m_lblWin = nullptr;
    QLabel *m_lblSpell = nullptr;
    QLabel *m_lblButtons = nullptr;
    std::array<QLabel *, 15> m_lblPick{};
    double m_buttonsLabelWidth = 0;
    std::array<LetterButton *, 28> m_cmdLetter{};
    QPushButton *m_cmdStart = nullptr;

    QAction *m_mnuFileCurrent = nullptr;
    QAction *m_mnuFileDefault1 = nullptr;
    QAction *m_mnuFileOptionsShow = nullptr;
    QAction *m_mnuFileOptionsHide = nullptr;
    QAction *m_mnuOptionsSounds = nullptr;
    QAction *m_mnuFileExit = nullptr;

    QPointer<frmNewWords> m_frmNewWords;
    QPointer<frmSplash> m_frmSplash;
    QPointer<frmTopics> m_frmTopics;
    QPointer<frmAbout> m_frmAbout;
    QPointer<frmManual> m_frmManual;
};
