#pragma once

#include "TitleScreen.h"
#include "TitleScreenView.h"

#include <QDialog>

class MainWindowView;
class Module1;
class PictureBox;
class QCheckBox;
class QLabel;
class QPushButton;
struct Platform;

// The title screen that greets the player at start-up while the main window waits hidden. It
// shows and passes on; TitleScreen decides.
class frmSplash : public QDialog, public TitleScreenView
{
public:
    frmSplash(Module1 &state, const Platform &platform, MainWindowView &mainWindow,
        QWidget *parent = nullptr);

    // The controls, for tests.
    QPushButton *cmdOK() const { return m_cmdOK; }
    QCheckBox *chkHideSplash() const { return m_chkHideSplash; }
    QLabel *lblQuilbyte() const { return m_lblQuilbyte; }
    QLabel *lblDedication() const { return m_lblDedication; }
    PictureBox *imgTitle() const { return m_imgTitle; }
    PictureBox *imgBear(Side side) const;
    PictureBox *imgHang(Side side) const;

    // TitleScreenView
    bool isBearVisible(Side side) const override;
    void showBear(Side side) override;
    double bearTop(Side side) const override;
    void setBearTop(Side side, double top) override;
    double bearHeight(Side side) const override;
    double makerLineTop() const override;
    double titleTop() const override;
    int hangPicture(Side side) const override;
    void showHangPicture(Side side, int index) override;
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
    void Form_Resize();
    bool isBackground(const QPointF &position) const;

    TitleScreen m_screen;
    bool m_backgroundPressed = false;

    PictureBox *m_imgHangLeft = nullptr;
    PictureBox *m_imgHangRight = nullptr;
    PictureBox *m_imgTitle = nullptr;
    QLabel *m_lblQuilbyte = nullptr;
    QLabel *m_lblDedication = nullptr;
    PictureBox *m_imgBearLeft = nullptr;
    PictureBox *m_imgBearRight = nullptr;
    QCheckBox *m_chkHideSplash = nullptr;
    QPushButton *m_cmdOK = nullptr;
};
