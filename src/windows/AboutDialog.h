#pragma once

#include "windows/AboutBox.h"
#include "windows/AboutBoxView.h"

#include <QDialog>
#include <QMetaObject>

class GameState;
class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWindow;
struct Services;

// The about box: a small borderless pop-up with the program's name and version, two bears to
// play with, and an OK button. It goes on OK, Enter or Escape, or when the player turns to another
// of the game's windows, with a sound each time. AboutBox decides what the bears do.
class AboutDialog : public QDialog, public AboutBoxView
{
    Q_OBJECT

public:
    explicit AboutDialog(GameState &state, const Services &services, QWidget *parent = nullptr);
    // Deleting an open box is not a closing: it plays nothing.
    ~AboutDialog() override;

    // AboutBoxView
    bool isBearVisible(Side side) const override;
    void showBear(Side side) override;
    QRectF bearGeometry(Side side) const override;
    void setBearTop(Side side, double top) override;
    QString commentCaption(Side side) const override;
    void setCommentCaption(Side side, const QString &caption) override;
    QRectF commentGeometry(Side side) const override;
    void setCommentTop(Side side, double top) override;
    void setCommentLeft(Side side, double left) override;
    void setCommentVisible(Side side, bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape closes like OK, with the closing sound, rather than hiding the box unasked.
    void reject() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createText();
    void createBears();
    void createComments();
    void focusWindowChanged(QWindow *now);
    PictureBox *bear(Side side) const;
    QLabel *comment(Side side) const;

    AboutBox m_box;

    QPlainTextEdit *m_textBox = nullptr;
    PictureBox *m_leftBear = nullptr;
    PictureBox *m_rightBear = nullptr;
    QLabel *m_leftComment = nullptr;
    QLabel *m_rightComment = nullptr;
    QPushButton *m_okButton = nullptr;

    QMetaObject::Connection m_focusWatch;
    bool m_hadFocus = false;
    bool m_pressed = false;
};
