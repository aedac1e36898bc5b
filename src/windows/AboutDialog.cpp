#include "windows/AboutDialog.h"

#include "platform/Services.h"
#include "ui/PictureBox.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

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

constexpr QColor BackColor = Colors::PaleYellow;
constexpr QColor CommentColor(192, 64, 0);
const QString BearPicture = u":/bear.svg"_s;
// The bear picture is 36 pixels square.
constexpr double BearSize = 540;

void setBackground(QWidget *widget, const QColor &color)
{
    setColors(widget, QColor(), color);
    widget->setAutoFillBackground(true);
}

} // namespace

AboutDialog::AboutDialog(GameState &state, const Services &services, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_box(state, *this, services.player, services.random)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"About Wordrow"_s);
    setFont(desktopFont(8, false));
    setBackground(this, BackColor);
    setFixedSize(Twips::toPixels(QSizeF(AboutBox::InnerWidth, AboutBox::InnerHeight)));
    createControls();

    // Centred on the screen, not over whichever window happens to be active.
    if (const QScreen *where = screen())
        move(where->availableGeometry().center() - rect().center());

    m_focusWatch = connect(qApp, &QGuiApplication::focusWindowChanged, this,
        [this](QWindow *now) { focusWindowChanged(now); });
}

AboutDialog::~AboutDialog()
{
    // Taking the window down moves the focus; that must not count as a closing.
    disconnect(m_focusWatch);
}

void AboutDialog::createControls()
{
    createText();
    createBears();
    createComments();

    m_okButton = new QPushButton(u"OK"_s, this);
    m_okButton->setObjectName(u"cmdOK"_s);
    placeInTwips(m_okButton, QRectF(2880, 2160, 732, 372));
    m_okButton->setDefault(true);
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
}

void AboutDialog::createText()
{
    m_textBox = new QPlainTextEdit(this);
    m_textBox->setObjectName(u"Text1"_s);
    placeInTwips(m_textBox, QRectF(1100, 240, 1572, 2052));
    m_textBox->setFont(desktopFont(7.8, true));
    m_textBox->setReadOnly(true);
    m_textBox->setTextInteractionFlags(Qt::NoTextInteraction);
    m_textBox->setFocusPolicy(Qt::NoFocus);
    m_textBox->setContextMenuPolicy(Qt::NoContextMenu);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click on the text is a click on the box, as on a disabled control; but the text stays
    // readable instead of greyed.
    m_textBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    QTextDocument *document = m_textBox->document();
    document->setDocumentMargin(2);
    document->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QString text = AboutBox::aboutText();
    // The last line's end would only add an empty line below the text.
    if (text.endsWith(u'\n'))
        text.chop(1);
    m_textBox->setPlainText(text);
    m_textBox->setAccessibleName(u"About Wordrow"_s);
}

void AboutDialog::createBears()
{
    for (PictureBox **picture : {&m_leftBear, &m_rightBear}) {
        *picture = new PictureBox(BearPicture, this);
        setBackground(*picture, BackColor);
        (*picture)->hide();
    }
    m_leftBear->setObjectName(u"imgBearL"_s);
    m_rightBear->setObjectName(u"imgBearR"_s);
    placeInTwips(m_leftBear, QRectF(360, 360, BearSize, BearSize));
    placeInTwips(m_rightBear, QRectF(3120, 360, BearSize, BearSize));
    connect(m_leftBear, &PictureBox::clicked, this, [this] { m_box.bearClicked(Side::Left); });
    connect(m_rightBear, &PictureBox::clicked, this, [this] { m_box.bearClicked(Side::Right); });
}

void AboutDialog::createComments()
{
    for (QLabel **label : {&m_leftComment, &m_rightComment}) {
        *label = createLabel(u"That Tickles"_s, desktopFont(7.8, true, true), {}, this);
        setColors(*label, CommentColor);
        // The words are not the background: a click on them is no click on the box.
        (*label)->installEventFilter(this);
        (*label)->hide();
    }
    m_leftComment->setObjectName(u"lblCommentL"_s);
    m_rightComment->setObjectName(u"lblCommentR"_s);
    m_leftComment->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_rightComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sized to their words from the start.
    m_leftComment->move(Twips::toPixels(QPointF(0, 120)));
    m_leftComment->adjustSize();
    m_rightComment->move(Twips::toPixels(QPointF(2760, 120)));
    m_rightComment->adjustSize();
}

void AboutDialog::focusWindowChanged(QWindow *now)
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
        close();
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A tool window is not always given the focus by the desktop; the box must have it to notice
    // when the player goes back to the game.
    activateWindow();
}

void AboutDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Taking the box down moves the focus; that is not a second closing.
    disconnect(m_focusWatch);
    m_box.close();
}

void AboutDialog::reject()
{
    close();
}

void AboutDialog::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void AboutDialog::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        m_box.backgroundClicked();
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_leftComment || watched == m_rightComment) {
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

PictureBox *AboutDialog::bear(Side side) const
{
    return side == Side::Left ? m_leftBear : m_rightBear;
}

QLabel *AboutDialog::comment(Side side) const
{
    return side == Side::Left ? m_leftComment : m_rightComment;
}

bool AboutDialog::isBearVisible(Side side) const
{
    return !bear(side)->isHidden();
}

void AboutDialog::showBear(Side side)
{
    bear(side)->show();
}

QRectF AboutDialog::bearGeometry(Side side) const
{
    return Twips::fromPixels(bear(side)->geometry());
}

void AboutDialog::setBearTop(Side side, double top)
{
    PictureBox *picture = bear(side);
    picture->move(picture->x(), Twips::toPixels(top));
}

QString AboutDialog::commentCaption(Side side) const
{
    return comment(side)->text();
}

void AboutDialog::setCommentCaption(Side side, const QString &caption)
{
    QLabel *label = comment(side);
    label->setText(caption);
    label->adjustSize();
}

QRectF AboutDialog::commentGeometry(Side side) const
{
    return Twips::fromPixels(comment(side)->geometry());
}

void AboutDialog::setCommentTop(Side side, double top)
{
    QLabel *label = comment(side);
    label->move(label->x(), Twips::toPixels(top));
}

void AboutDialog::setCommentLeft(Side side, double left)
{
    QLabel *label = comment(side);
    label->move(Twips::toPixels(left), label->y());
}

void AboutDialog::setCommentVisible(Side side, bool visible)
{
    comment(side)->setVisible(visible);
}
