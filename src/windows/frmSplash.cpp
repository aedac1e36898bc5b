#include "frmSplash.h"

#include "Module1.h"
#include "PictureBox.h"
#include "Platform.h"
#include "SplashLayout.h"
#include "Twips.h"
#include "WindowLook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

const QColor BackColor(255, 255, 192);
constexpr double BearSize = 540;
constexpr double TitleWidth = 3750;
constexpr double TitleHeight = 2400;
const QSizeF DedicationSize(612, 1572);
const QSizeF HangLeftSize(2052, 2052);
const QSizeF HangRightSize(2532, 2412);

void resizeTwips(QWidget *widget, const QSizeF &twips)
{
    widget->resize(Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
}

QSizeF sizeInTwips(const QWidget *widget)
{
    return {Twips::fromPixels(widget->width()), Twips::fromPixels(widget->height())};
}

PictureBox *createPicture(const QString &resource, const QSizeF &twips, QWidget *parent)
{
    auto *picture = new PictureBox(resource, parent);
    picture->setAutoFillBackground(true);
    setColors(picture, Qt::black, BackColor);
    resizeTwips(picture, twips);
    return picture;
}

} // namespace

frmSplash::frmSplash(
    Module1 &state, const Platform &platform, MainWindowView &mainWindow, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_screen(state, *this, mainWindow, platform.files)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Wordrow by Quilbyte"_s);
    setAutoFillBackground(true);
    setColors(this, Qt::black, BackColor);
    createControls();

    // Restored, the window is centred on the screen; it opens maximized.
    resize(Twips::toPixels(8736), Twips::toPixels(5904));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_cmdOK->setFocus();
}

// Created back to front: the title lies over the right picture area, the bears over everything.
void frmSplash::createControls()
{
    m_imgHangLeft = createPicture(QString(), HangLeftSize, this);
    m_imgHangRight = createPicture(QString(), HangRightSize, this);
    m_imgTitle = createPicture(u":/title.svg"_s, QSizeF(TitleWidth, TitleHeight), this);
    m_imgTitle->setAccessibleName(u"Wordrow"_s);
    connect(m_imgTitle, &PictureBox::clicked, this, [this] { m_screen.imgTitle_Click(); });

    m_lblQuilbyte = new QLabel(u"by Quilbyte"_s, this);
    m_lblQuilbyte->setTextFormat(Qt::PlainText);
    m_lblQuilbyte->setAlignment(Qt::AlignCenter);
    m_lblQuilbyte->setFont(desktopFont(12, true));
    setColors(m_lblQuilbyte, QColor(192, 0, 0), BackColor);
    m_lblQuilbyte->setToolTip(
        u"Wordrow was made by Quilbyte for everyone learning to spell, one letter at a time."_s);
    m_lblQuilbyte->adjustSize();

    m_lblDedication = new QLabel(u"For all who love to spell"_s, this);
    m_lblDedication->setTextFormat(Qt::PlainText);
    m_lblDedication->setWordWrap(true);
    m_lblDedication->setAlignment(Qt::AlignCenter);
    m_lblDedication->setFont(desktopFont(7.8, true));
    m_lblDedication->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_lblDedication->setAutoFillBackground(true);
    setColors(m_lblDedication, QColor(128, 0, 0), QColor(255, 224, 192));
    resizeTwips(m_lblDedication, DedicationSize);
    m_lblDedication->hide();

    m_imgBearLeft = createPicture(u":/bear.svg"_s, QSizeF(BearSize, BearSize), this);
    m_imgBearRight = createPicture(u":/bear.svg"_s, QSizeF(BearSize, BearSize), this);
    for (PictureBox *bear : {m_imgBearLeft, m_imgBearRight}) {
        bear->setAccessibleName(u"Teddy bear"_s);
        bear->hide();
    }
    connect(m_imgBearLeft, &PictureBox::clicked, this, [this] { m_screen.imgBearLeft_Click(); });
    connect(m_imgBearRight, &PictureBox::clicked, this, [this] { m_screen.imgBearRight_Click(); });

    m_chkHideSplash = new QCheckBox(u"Don't show this screen again"_s, this);
    m_chkHideSplash->setToolTip(
        u"Check this box if you don't want this window to show next time."_s);
    // A check box fills with the Button role; it should show the window's own yellow.
    m_chkHideSplash->setBackgroundRole(QPalette::Window);
    m_chkHideSplash->setAutoFillBackground(true);
    setColors(m_chkHideSplash, Qt::black, BackColor);
    resizeTwips(m_chkHideSplash, QSizeF(1452, 372));
    // The box was sized for a narrower font than most desktops have.
    m_chkHideSplash->resize(std::max(m_chkHideSplash->width(), m_chkHideSplash->sizeHint().width()),
        m_chkHideSplash->height());
    connect(m_chkHideSplash, &QCheckBox::clicked, this, [this] { m_cmdOK->setFocus(); });

    m_cmdOK = new QPushButton(u"OK"_s, this);
    m_cmdOK->setDefault(true);
    m_cmdOK->setToolTip(u"Click here to begin the game."_s);
    resizeTwips(m_cmdOK, QSizeF(852, 372));
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);
    QWidget::setTabOrder(m_cmdOK, m_chkHideSplash);
}

PictureBox *frmSplash::imgBear(Side side) const
{
    return side == Side::Left ? m_imgBearLeft : m_imgBearRight;
}

PictureBox *frmSplash::imgHang(Side side) const
{
    return side == Side::Left ? m_imgHangLeft : m_imgHangRight;
}

void frmSplash::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmSplash::Form_Resize()
{
    const SplashLayout layout
        = SplashLayout::forInnerSize(Twips::fromPixels(width()), Twips::fromPixels(height()),
            {QSizeF(TitleWidth, TitleHeight), sizeInTwips(m_lblQuilbyte), DedicationSize,
                HangLeftSize, HangRightSize});
    m_chkHideSplash->move(Twips::toPixels(layout.chkHideSplash));
    m_cmdOK->move(Twips::toPixels(layout.cmdOK));
    m_imgTitle->move(Twips::toPixels(layout.imgTitle));
    m_lblQuilbyte->move(Twips::toPixels(layout.lblQuilbyte));
    m_imgBearLeft->move(Twips::toPixels(layout.imgBearLeft));
    m_imgBearRight->move(Twips::toPixels(layout.imgBearRight));
    m_imgHangLeft->move(Twips::toPixels(layout.imgHangLeft));
    m_imgHangRight->move(Twips::toPixels(layout.imgHangRight));
    m_lblDedication->move(Twips::toPixels(layout.lblDedication));
}

bool frmSplash::isBackground(const QPointF &position) const
{
    return rect().contains(position.toPoint()) && !childAt(position.toPoint());
}

// Labels let clicks through to the window; only a click outside every control counts.
void frmSplash::mousePressEvent(QMouseEvent *event)
{
    m_backgroundPressed = event->button() == Qt::LeftButton && isBackground(event->position());
    QDialog::mousePressEvent(event);
}

void frmSplash::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_backgroundPressed && event->button() == Qt::LeftButton
        && isBackground(event->position());
    m_backgroundPressed = false;
    QDialog::mouseReleaseEvent(event);
    if (click)
        m_screen.Form_Click();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    m_screen.Form_Unload();
    event->accept();
}

void frmSplash::reject()
{
    close();
}

bool frmSplash::isBearVisible(Side side) const
{
    return imgBear(side)->isVisibleTo(this);
}

void frmSplash::showBear(Side side)
{
    imgBear(side)->show();
}

double frmSplash::bearTop(Side side) const
{
    return Twips::fromPixels(imgBear(side)->y());
}

void frmSplash::setBearTop(Side side, double top)
{
    PictureBox *bear = imgBear(side);
    bear->move(bear->x(), Twips::toPixels(top));
}

double frmSplash::bearHeight(Side side) const
{
    return Twips::fromPixels(imgBear(side)->height());
}

double frmSplash::makerLineTop() const
{
    return Twips::fromPixels(m_lblQuilbyte->y());
}

double frmSplash::titleTop() const
{
    return Twips::fromPixels(m_imgTitle->y());
}

int frmSplash::hangPicture(Side side) const
{
    const QString resource = imgHang(side)->resource();
    for (const int index : {TitleScreen::LeftPicture, TitleScreen::RightPicture}) {
        if (resource == u":/gallows/hang%1.svg"_s.arg(index))
            return index;
    }
    return resource.isEmpty() ? -1 : -2;
}

void frmSplash::showHangPicture(Side side, int index)
{
    imgHang(side)->setResource(u":/gallows/hang%1.svg"_s.arg(index));
}

void frmSplash::showDedication()
{
    m_lblDedication->show();
}

bool frmSplash::isHideTicked() const
{
    return m_chkHideSplash->isChecked();
}
