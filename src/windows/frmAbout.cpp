#include "frmAbout.h"

#include "PictureBox.h"
#include "Platform.h"
#include "Twips.h"
#include "WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

const QColor BackColor(255, 255, 192);
const QColor CommentColor(192, 64, 0);
const QString BearPicture = u":/bear.svg"_s;
// The bear picture is 36 pixels square.
constexpr double BearSize = 540;

QRectF twipsOf(const QRect &pixels)
{
    return QRectF(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()),
        Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height()));
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

frmAbout::frmAbout(Module1 &state, const Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_box(state, *this, platform.player, platform.random)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"About Wordrow"_s);
    setFont(desktopFont(8, false));
    setBackground(this, BackColor);
    setFixedSize(Twips::toPixels(AboutBox::ClientWidth), Twips::toPixels(AboutBox::ClientHeight));
    createControls();

    // Centred on the screen, not over whichever window happens to be active.
    if (const QScreen *where = screen())
        move(where->availableGeometry().center() - rect().center());

    m_focusWatch = connect(qApp, &QGuiApplication::focusWindowChanged, this,
        [this](QWindow *now) { focusWindowChanged(now); });
}

frmAbout::~frmAbout()
{
    // Taking the window down moves the focus; that must not count as a closing.
    disconnect(m_focusWatch);
}

void frmAbout::createControls()
{
    m_Text1 = new QPlainTextEdit(this);
    placeInTwips(m_Text1, QRectF(1100, 240, 1572, 2052));
    m_Text1->setFont(desktopFont(7.8, true));
    m_Text1->setReadOnly(true);
    m_Text1->setTextInteractionFlags(Qt::NoTextInteraction);
    m_Text1->setFocusPolicy(Qt::NoFocus);
    m_Text1->setContextMenuPolicy(Qt::NoContextMenu);
    m_Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click on the text is a click on the box, as on a disabled control; but the text stays
    // readable instead of greyed.
    m_Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
    QTextDocument *document = m_Text1->document();
    document->setDocumentMargin(2);
    document->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QString text = AboutBox::aboutText();
    text.replace(u"\r\n"_s, u"\n"_s);
    // The last line's end would only add an empty line below the text.
    if (text.endsWith(u'\n'))
        text.chop(1);
    m_Text1->setPlainText(text);
    m_Text1->setAccessibleName(u"About Wordrow"_s);

    for (PictureBox **picture : {&m_imgBearL, &m_imgBearR}) {
        *picture = new PictureBox(BearPicture, this);
        setBackground(*picture, BackColor);
        (*picture)->hide();
    }
    placeInTwips(m_imgBearL, QRectF(360, 360, BearSize, BearSize));
    placeInTwips(m_imgBearR, QRectF(3120, 360, BearSize, BearSize));
    connect(m_imgBearL, &PictureBox::clicked, this, [this] { m_box.imgBearL_Click(); });
    connect(m_imgBearR, &PictureBox::clicked, this, [this] { m_box.imgBearR_Click(); });

    for (QLabel **label : {&m_lblCommentL, &m_lblCommentR}) {
        *label = new QLabel(u"That Tickles"_s, this);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setFont(desktopFont(7.8, true, true));
        QPalette palette = (*label)->palette();
        palette.setColor(QPalette::WindowText, CommentColor);
        (*label)->setPalette(palette);
        // The words are not the background: a click on them is no click on the box.
        (*label)->installEventFilter(this);
        (*label)->hide();
    }
    m_lblCommentL->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblCommentR->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sized to their words from the start.
    m_lblCommentL->move(Twips::toPixels(QPointF(0, 120)));
    m_lblCommentL->adjustSize();
    m_lblCommentR->move(Twips::toPixels(QPointF(2760, 120)));
    m_lblCommentR->adjustSize();

    m_cmdOK = new QPushButton(u"OK"_s, this);
    placeInTwips(m_cmdOK, QRectF(2880, 2160, 732, 372));
    m_cmdOK->setDefault(true);
    m_cmdOK->setFocus();
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::Form_Deactivate()
{
    close();
}

void frmAbout::focusWindowChanged(QWindow *now)
{
    if (!now)
        return; // Another program took the focus: the box stays.
    if (now == windowHandle()) {
        m_hadFocus = true;
        return;
    }
    // Until the box has had the focus, a change elsewhere is left over from opening it, such as
    // the menu that opened it handing the focus back to the main window.
    if (m_hadFocus)
        Form_Deactivate();
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A tool window is not always given the focus by the desktop; the box must have it to notice
    // when the player goes back to the game.
    activateWindow();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Taking the box down moves the focus; that is not a second closing.
    disconnect(m_focusWatch);
    m_box.Form_Unload();
}

void frmAbout::reject()
{
    close();
}

void frmAbout::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void frmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        m_box.Form_Click();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lblCommentL || watched == m_lblCommentR) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

PictureBox *frmAbout::bear(Side side) const
{
    return side == Side::Left ? m_imgBearL : m_imgBearR;
}

QLabel *frmAbout::comment(Side side) const
{
    return side == Side::Left ? m_lblCommentL : m_lblCommentR;
}

bool frmAbout::bearVisible(Side side) const
{
    return !bear(side)->isHidden();
}

void frmAbout::showBear(Side side)
{
    bear(side)->show();
}

QRectF frmAbout::bearGeometry(Side side) const
{
    return twipsOf(bear(side)->geometry());
}

void frmAbout::setBearTop(Side side, double top)
{
    PictureBox *picture = bear(side);
    picture->move(picture->x(), Twips::toPixels(top));
}

QString frmAbout::commentCaption(Side side) const
{
    return comment(side)->text();
}

void frmAbout::setCommentCaption(Side side, const QString &caption)
{
    QLabel *label = comment(side);
    label->setText(caption);
    label->adjustSize();
}

QRectF frmAbout::commentGeometry(Side side) const
{
    return twipsOf(comment(side)->geometry());
}

void frmAbout::setCommentTop(Side side, double top)
{
    QLabel *label = comment(side);
    label->move(label->x(), Twips::toPixels(top));
}

void frmAbout::setCommentLeft(Side side, double left)
{
    QLabel *label = comment(side);
    label->move(Twips::toPixels(left), label->y());
}

void frmAbout::setCommentVisible(Side side, bool visible)
{
    comment(side)->setVisible(visible);
}
