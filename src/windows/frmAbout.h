#pragma once

#include "AboutBox.h"
#include "AboutView.h"

#include <QDialog>
#include <QMetaObject>

class Module1;
class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWindow;
struct Platform;

// The about box: a small borderless pop-up with the program's name and version, two bears to
// play with, and an OK button. It goes on OK, Enter or Escape, or when the player turns to another
// of the game's windows, with a sound each time. AboutBox decides what the bears do.
class frmAbout : public QDialog, public AboutView
{
    Q_OBJECT

public:
    explicit frmAbout(Module1 &state, const Platform &platform, QWidget *parent = nullptr);
    // Deleting an open box is not a closing: it plays nothing.
    ~frmAbout() override;

    // The controls, for tests.
    QPlainTextEdit *Text1() const { return m_Text1; }
    PictureBox *imgBearL() const { return m_imgBearL; }
    PictureBox *imgBearR() const { return m_imgBearR; }
    QLabel *lblCommentL() const { return m_lblCommentL; }
    QLabel *lblCommentR() const { return m_lblCommentR; }
    QPushButton *cmdOK() const { return m_cmdOK; }

    // AboutView
    bool bearVisible(Side side) const override;
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
    void cmdOK_Click();
    void Form_Deactivate();
    void focusWindowChanged(QWindow *now);
    PictureBox *bear(Side side) const;
    QLabel *comment(Side side) const;

    AboutBox m_box;

    QPlainTextEdit *m_Text1 = nullptr;
    PictureBox *m_imgBearL = nullptr;
    PictureBox *m_imgBearR = nullptr;
    QLabel *m_lblCommentL = nullptr;
    QLabel *m_lblCommentR = nullptr;
    QPushButton *m_cmdOK = nullptr;

    QMetaObject::Connection m_focusWatch;
    bool m_hadFocus = false;
    bool m_pressed = false;
};
