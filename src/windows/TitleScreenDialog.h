#pragma once

#include "core/PictureSet.h"
#include "windows/TitleScreen.h"
#include "windows/TitleScreenView.h"

#include <QDialog>

class MainWindowView;
class MenuCaptions;
class GameState;
class PictureBox;
class QCheckBox;
class QLabel;
class QPushButton;

// The title screen that greets the player at start-up while the main window waits hidden. It
// shows and passes on; TitleScreen decides.
class TitleScreenDialog : public QDialog, public TitleScreenView
{
    Q_OBJECT

public:
    TitleScreenDialog(GameState &state, MainWindowView &mainWindow, MenuCaptions &captions,
        QWidget *parent = nullptr);

    // The pictures of a side.
    PictureBox *bear(Side side) const;
    PictureBox *gallowsPicture(Side side) const;

    // TitleScreenView
    bool isBearVisible(Side side) const override;
    void showBear(Side side) override;
    double bearTop(Side side) const override;
    void setBearTop(Side side, double top) override;
    double bearHeight(Side side) const override;
    double makerLineTop() const override;
    double titleTop() const override;
    int shownGallowsPicture(Side side) const override;
    void showGallowsPicture(Side side, int index) override;
    void showDedication() override;
    bool isHideTicked() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape leaves like "OK" rather than hiding the window without its closing steps.
    void reject() override;

private:
    void createControls();
    void createPictures();
    void createTexts();
    void createBears();
    void createButtons();
    void layOutControls();
    bool isBackground(const QPointF &position) const;

    TitleScreen m_screen;
    // The set the game's window shows: the title screen borrows from it.
    PictureSet::Set m_pictures;
    bool m_backgroundPressed = false;

    PictureBox *m_leftGallows = nullptr;
    PictureBox *m_rightGallows = nullptr;
    PictureBox *m_titlePicture = nullptr;
    QLabel *m_makerLine = nullptr;
    QLabel *m_dedication = nullptr;
    PictureBox *m_leftBear = nullptr;
    PictureBox *m_rightBear = nullptr;
    QCheckBox *m_hideCheckBox = nullptr;
    QPushButton *m_okButton = nullptr;
};
