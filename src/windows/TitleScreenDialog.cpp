#include "windows/TitleScreenDialog.h"

#include "core/GameState.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"
#include "windows/TitleScreenLayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr QColor BackColor = Colors::PaleYellow;
constexpr double BearSize = 540;
const QSizeF TitleSize(3750, 2400);
const QSizeF DedicationSize(612, 1572);
const QSizeF LeftGallowsSize(2052, 2052);
const QSizeF RightGallowsSize(2532, 2412);

PictureBox *createPicture(const QString &resource, const QSizeF &twips, QWidget *parent)
{
    auto *picture = new PictureBox(resource, parent);
    picture->setAutoFillBackground(true);
    setColors(picture, Qt::black, BackColor);
    picture->resize(Twips::toPixels(twips));
    return picture;
}

} // namespace

TitleScreenDialog::TitleScreenDialog(
    GameState &state, MainWindowView &mainWindow, MenuCaptions &captions, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_screen(state, *this, mainWindow, captions)
    , m_pictures(state.pictures)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"frmSplash"_s);
    setWindowTitle(u"Wordrow by Quilbyte"_s);
    setAutoFillBackground(true);
    setColors(this, Qt::black, BackColor);
    createControls();

    // Restored, the window is centred on the screen; it opens maximized.
    resize(Twips::toPixels(QSizeF(8736, 5904)));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_okButton->setFocus();
}

// Created back to front: the title lies over the right picture area, the bears over everything.
void TitleScreenDialog::createControls()
{
    createPictures();
    createTexts();
    createBears();
    createButtons();
}

void TitleScreenDialog::createPictures()
{
    m_leftGallows = createPicture(QString(), LeftGallowsSize, this);
    m_leftGallows->setObjectName(u"imgHangLeft"_s);
    m_rightGallows = createPicture(QString(), RightGallowsSize, this);
    m_rightGallows->setObjectName(u"imgHangRight"_s);
    m_titlePicture = createPicture(Pictures::title(m_pictures), TitleSize, this);
    m_titlePicture->setObjectName(u"imgTitle"_s);
    m_titlePicture->setAccessibleName(u"Wordrow"_s);
    connect(m_titlePicture, &PictureBox::clicked, this, [this] { m_screen.titleClicked(); });
}

void TitleScreenDialog::createTexts()
{
    m_makerLine = createLabel(u"by Quilbyte"_s, desktopFont(12, true), Qt::AlignCenter, this);
    m_makerLine->setObjectName(u"lblQuilbyte"_s);
    setColors(m_makerLine, Colors::DarkRed, BackColor);
    m_makerLine->setToolTip(
        u"Wordrow was made by Quilbyte for everyone learning to spell, one letter at a time."_s);
    m_makerLine->adjustSize();

    m_dedication = createLabel(
        u"For all who love to spell"_s, desktopFont(7.8, true), Qt::AlignCenter, this);
    m_dedication->setObjectName(u"lblDedication"_s);
    m_dedication->setWordWrap(true);
    m_dedication->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_dedication->setAutoFillBackground(true);
    setColors(m_dedication, QColor(128, 0, 0), Colors::Peach);
    m_dedication->resize(Twips::toPixels(DedicationSize));
    m_dedication->hide();
}

void TitleScreenDialog::createBears()
{
    m_leftBear = createPicture(u":/bear.svg"_s, QSizeF(BearSize, BearSize), this);
    m_leftBear->setObjectName(u"imgBearLeft"_s);
    m_rightBear = createPicture(u":/bear.svg"_s, QSizeF(BearSize, BearSize), this);
    m_rightBear->setObjectName(u"imgBearRight"_s);
    for (PictureBox *bear : {m_leftBear, m_rightBear}) {
        bear->setAccessibleName(u"Teddy bear"_s);
        bear->hide();
    }
    connect(m_leftBear, &PictureBox::clicked, this, [this] { m_screen.bearClicked(Side::Left); });
    connect(m_rightBear, &PictureBox::clicked, this, [this] { m_screen.bearClicked(Side::Right); });
}

void TitleScreenDialog::createButtons()
{
    m_hideCheckBox = new QCheckBox(u"Don't show this screen again"_s, this);
    m_hideCheckBox->setObjectName(u"chkHideSplash"_s);
    m_hideCheckBox->setToolTip(
        u"Check this box if you don't want this window to show next time."_s);
    // A check box fills with the Button role; it should show the window's own yellow.
    m_hideCheckBox->setBackgroundRole(QPalette::Window);
    m_hideCheckBox->setAutoFillBackground(true);
    setColors(m_hideCheckBox, Qt::black, BackColor);
    m_hideCheckBox->resize(Twips::toPixels(QSizeF(1452, 372)));
    // The box was sized for a narrower font than most desktops have.
    m_hideCheckBox->resize(std::max(m_hideCheckBox->width(), m_hideCheckBox->sizeHint().width()),
        m_hideCheckBox->height());
    connect(m_hideCheckBox, &QCheckBox::clicked, this, [this] { m_okButton->setFocus(); });

    m_okButton = new QPushButton(u"OK"_s, this);
    m_okButton->setObjectName(u"cmdOK"_s);
    m_okButton->setDefault(true);
    m_okButton->setToolTip(u"Click here to begin the game."_s);
    m_okButton->resize(Twips::toPixels(QSizeF(852, 372)));
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
    QWidget::setTabOrder(m_okButton, m_hideCheckBox);
}

PictureBox *TitleScreenDialog::bear(Side side) const
{
    return side == Side::Left ? m_leftBear : m_rightBear;
}

PictureBox *TitleScreenDialog::gallowsPicture(Side side) const
{
    return side == Side::Left ? m_leftGallows : m_rightGallows;
}

void TitleScreenDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOutControls();
}

void TitleScreenDialog::layOutControls()
{
    const TitleScreenLayout layout
        = TitleScreenLayout::forInnerSize(Twips::fromPixels(width()), Twips::fromPixels(height()),
            {TitleSize, Twips::fromPixels(m_makerLine->size()), DedicationSize, LeftGallowsSize,
                RightGallowsSize});
    m_hideCheckBox->move(Twips::toPixels(layout.hideCheckBox));
    m_okButton->move(Twips::toPixels(layout.okButton));
    m_titlePicture->move(Twips::toPixels(layout.titlePicture));
    m_makerLine->move(Twips::toPixels(layout.makerLine));
    m_leftBear->move(Twips::toPixels(layout.leftBear));
    m_rightBear->move(Twips::toPixels(layout.rightBear));
    m_leftGallows->move(Twips::toPixels(layout.leftGallows));
    m_rightGallows->move(Twips::toPixels(layout.rightGallows));
    m_dedication->move(Twips::toPixels(layout.dedication));
}

bool TitleScreenDialog::isBackground(const QPointF &position) const
{
    return rect().contains(position.toPoint()) && !childAt(position.toPoint());
}

// Labels let clicks through to the window; only a click outside every control counts.
void TitleScreenDialog::mousePressEvent(QMouseEvent *event)
{
    m_backgroundPressed = event->button() == Qt::LeftButton && isBackground(event->position());
    QDialog::mousePressEvent(event);
}

void TitleScreenDialog::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_backgroundPressed && event->button() == Qt::LeftButton
        && isBackground(event->position());
    m_backgroundPressed = false;
    QDialog::mouseReleaseEvent(event);
    if (click)
        m_screen.backgroundClicked();
}

void TitleScreenDialog::closeEvent(QCloseEvent *event)
{
    m_screen.close();
    event->accept();
}

void TitleScreenDialog::reject()
{
    close();
}

bool TitleScreenDialog::isBearVisible(Side side) const
{
    return bear(side)->isVisibleTo(this);
}

void TitleScreenDialog::showBear(Side side)
{
    bear(side)->show();
}

double TitleScreenDialog::bearTop(Side side) const
{
    return Twips::fromPixels(bear(side)->y());
}

void TitleScreenDialog::setBearTop(Side side, double top)
{
    PictureBox *picture = bear(side);
    picture->move(picture->x(), Twips::toPixels(top));
}

double TitleScreenDialog::bearHeight(Side side) const
{
    return Twips::fromPixels(bear(side)->height());
}

double TitleScreenDialog::makerLineTop() const
{
    return Twips::fromPixels(m_makerLine->y());
}

double TitleScreenDialog::titleTop() const
{
    return Twips::fromPixels(m_titlePicture->y());
}

int TitleScreenDialog::shownGallowsPicture(Side side) const
{
    const QString resource = gallowsPicture(side)->resource();
    for (const int index : {TitleScreen::LeftGallowsPicture, TitleScreen::RightGallowsPicture}) {
        if (resource == Pictures::round(m_pictures, index))
            return index;
    }
    return resource.isEmpty() ? -1 : -2;
}

void TitleScreenDialog::showGallowsPicture(Side side, int index)
{
    gallowsPicture(side)->setResource(Pictures::round(m_pictures, index));
}

void TitleScreenDialog::showDedication()
{
    m_dedication->show();
}

bool TitleScreenDialog::isHideTicked() const
{
    return m_hideCheckBox->isChecked();
}
