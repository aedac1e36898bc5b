#include "Form1.h"

#include "LetterButton.h"
#include "MainLayout.h"
#include "Module1.h"
#include "PictureBox.h"
#include "RoundTexts.h"
#include "Startup.h"
#include "Twips.h"
#include "WindowLook.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 BackColor = 0x00E0E0E0;
constexpr quint32 StartColor = 0x000000FF;
constexpr quint32 WinColor = 0x000080FF;
constexpr QStringView LetterToolTip
    = u"Click one of these buttons to choose a letter for the word.";

// Colours are stored as 0x00BBGGRR.
QColor storedColor(quint32 color)
{
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

QLabel *createLabel(QWidget *parent, const QFont &font, Qt::Alignment alignment = {})
{
    auto *label = new QLabel(parent);
    // Words come from the player's own files: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

void setTextColor(QWidget *widget, quint32 color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, storedColor(color));
    widget->setPalette(palette);
}

// Tooltips show markup when they look like it; a word from a list must show as typed.
QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? u"<qt>"_s + text.toHtmlEscaped() + u"</qt>"_s : text;
}

// Text for a menu item or button shown as it is: '&' would otherwise mark an access key.
QString literalText(const QString &caption)
{
    return QString(caption).replace(u'&', u"&&"_s);
}

} // namespace

Form1::Form1(Module1 &state, const Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_platform(platform)
    , m_sound(state, platform.player)
    , m_round(state, *this, platform.random, m_sound)
    , m_fileMenu(state, *this, platform.dialogs, platform.messages, platform.files)
{
    // The program ends only through this window's quit question, never because the title screen,
    // the last window up at that moment, closed.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    createControls();
    createMenus();
    // The inner area has the restored size; the menu bar comes on top of it.
    resize(Twips::toPixels(MainLayout::RestoredWidth),
        Twips::toPixels(MainLayout::RestoredHeight) + menuBar()->sizeHint().height());
}

QString Form1::hangPictureResource(int index)
{
    return u":/gallows/hang%1.svg"_s.arg(index);
}

// Created bottom first: later siblings are drawn over earlier ones, so the remark lies over the
// pictures and the buttons over the slots they reach.
void Form1::createControls()
{
    m_inner = new QWidget(this);
    m_inner->setAutoFillBackground(true);
    QPalette background = m_inner->palette();
    background.setColor(QPalette::Window, storedColor(BackColor));
    m_inner->setPalette(background);
    m_inner->installEventFilter(this);
    setCentralWidget(m_inner);

    m_lblStart = createLabel(m_inner, desktopFont(13.8, true), Qt::AlignCenter);
    m_lblStart->setWordWrap(true);
    m_lblStart->setText(u"Click here to start:  "_s);
    setTextColor(m_lblStart, StartColor);
    m_lblStart->resize(
        Twips::toPixels(MainLayout::LblStartWidth), Twips::toPixels(MainLayout::LblStartHeight));

    for (int i = 0; i < 9; ++i) {
        auto *picture = new PictureBox(hangPictureResource(i), m_inner);
        const QString toolTip = RoundTexts::hangToolTips.at(i).toString();
        picture->setToolTip(toolTip);
        picture->setAccessibleName(toolTip.isEmpty() ? u"Gallows"_s : toolTip);
        picture->resize(
            Twips::toPixels(MainLayout::PictureWidth), Twips::toPixels(MainLayout::PictureHeight));
        picture->setVisible(i == 0);
        m_imgHang[i] = picture;
    }

    m_lblWin = createLabel(m_inner, desktopFont(18, true));
    setTextColor(m_lblWin, WinColor);
    m_lblWin->move(0, Twips::toPixels(MainLayout::WinTop));

    m_lblSpell = createLabel(m_inner, font());
    m_lblSpell->setText(RoundTexts::spellCaption.toString());
    m_lblSpell->hide();

    m_lblButtons = createLabel(m_inner, font());
    m_lblButtons->setText(RoundTexts::buttonsCaption.toString());
    // Sized for a narrower font than most desktops have: never cut the text short.
    m_buttonsLabelWidth = std::max(
        MainLayout::ButtonsLabelWidth, Twips::fromPixels(m_lblButtons->sizeHint().width()));
    m_lblButtons->hide();

    for (int i = 0; i < Module1::SlotCount; ++i) {
        QLabel *slot = createLabel(m_inner, desktopFont(13.8, true), Qt::AlignCenter);
        slot->setAutoFillBackground(true);
        QPalette face = slot->palette();
        face.setColor(QPalette::Window, face.color(QPalette::Button));
        slot->setPalette(face);
        slot->hide();
        m_lblPick[i] = slot;
        updatePickAccessibleName(i);
    }

    const int letterSize = Twips::toPixels(MainLayout::LetterHeight);
    for (int i = 0; i < Module1::LetterCount; ++i) {
        auto *button = new LetterButton(m_inner);
        button->setFont(desktopFont(9.6, true));
        button->resize(letterSize, letterSize);
        connect(
            button, &QPushButton::clicked, this, [this, i] { m_round.cmdLetter_Click(qint16(i)); });
        m_cmdLetter[i] = button;
    }

    m_cmdStart = new QPushButton(u"&New Word"_s, m_inner);
    m_cmdStart->setDefault(true);
    m_cmdStart->setToolTip(u"Begin the game with a new word by clicking here."_s);
    m_cmdStart->resize(
        Twips::toPixels(MainLayout::StartWidth), Twips::toPixels(MainLayout::StartHeight));
    connect(m_cmdStart, &QPushButton::clicked, this, [this] { m_round.cmdStart_Click(); });
    // A main window has no default button of its own: Enter anywhere in it starts a word.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, m_cmdStart,
            &QPushButton::click);
}

void Form1::createMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    QAction *newList = file->addAction(u"Make &New Wordlist"_s);
    newList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(newList, &QAction::triggered, this, &Form1::mnuFileNew_Click);
    file->addSeparator();
    QAction *open = file->addAction(u"&Load Another List..."_s);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(open, &QAction::triggered, this, [this] { m_fileMenu.mnuFileOpen_Click(); });
    m_mnuFileCurrent = file->addAction(u"(Current List)"_s);
    connect(
        m_mnuFileCurrent, &QAction::triggered, this, [this] { m_fileMenu.mnuFileCurrent_Click(); });
    file->addSeparator();
    connect(file->addAction(u"Set &Startup Wordlist..."_s), &QAction::triggered, this,
        [this] { m_fileMenu.mnuFileDefault_Click(); });
    m_mnuFileDefault1 = file->addAction(u"(Default)"_s);
    connect(m_mnuFileDefault1, &QAction::triggered, this,
        [this] { m_fileMenu.mnuFileDefault1_Click(); });
    file->addSeparator();
    connect(file->addAction(u"&Delete..."_s), &QAction::triggered, this,
        [this] { m_fileMenu.mnuFileDelete_Click(); });
    file->addSeparator();

    QMenu *options = file->addMenu(u"&Options"_s);
    m_mnuFileOptionsShow = options->addAction(u"Show Startup Screen"_s);
    m_mnuFileOptionsShow->setCheckable(true);
    m_mnuFileOptionsShow->setChecked(true);
    connect(m_mnuFileOptionsShow, &QAction::triggered, this,
        [this] { m_fileMenu.mnuFileOptionsShow_Click(); });
    m_mnuFileOptionsHide = options->addAction(u"Hide Startup Screen"_s);
    m_mnuFileOptionsHide->setCheckable(true);
    connect(m_mnuFileOptionsHide, &QAction::triggered, this,
        [this] { m_fileMenu.mnuFileOptionsHide_Click(); });
    options->addSeparator();
    m_mnuOptionsSounds = options->addAction(u"&Turn Off Sounds"_s);
    connect(m_mnuOptionsSounds, &QAction::triggered, this,
        [this] { m_fileMenu.mnuOptionsSounds_Click(); });
    file->addSeparator();
    m_mnuFileExit = file->addAction(u"E&xit..."_s);
    m_mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(m_mnuFileExit, &QAction::triggered, this, &QWidget::close);

    // The help windows and the manual come with their own windows.
    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    QAction *topics = help->addAction(u"&Topics"_s);
    topics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(topics, &QAction::triggered, this, &Form1::mnuHelpTopics_Click);
    // The manual stands in for an outside help viewer: a window of our own, no browser needed.
    QAction *manual = help->addAction(u"&Instruction Manual"_s);
    manual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(manual, &QAction::triggered, this, &Form1::mnuHelpManual_Click);
    help->addSeparator();
    connect(help->addAction(u"&About Wordrow"_s), &QAction::triggered, this,
        &Form1::mnuHelpAbout_Click);
}

Form1::~Form1()
{
    // Windows of their own, without an owner, so not children of this one.
    delete m_frmTopics;
    delete m_frmManual;
    delete m_frmAbout;
}

void Form1::Form_Load()
{
    Startup(
        m_state, *this, m_platform.player, m_platform.random, m_platform.messages, m_platform.files)
        .Form_Load();
}

void Form1::mnuFileNew_Click()
{
    // A child of this window: ending the program from here takes it along without its
    // closing steps.
    if (!m_frmNewWords)
        m_frmNewWords = new frmNewWords(m_state, m_platform, *this, this);
    m_frmNewWords->show();
    m_frmNewWords->raise();
    m_frmNewWords->activateWindow();
}

void Form1::mnuHelpTopics_Click()
{
    if (!m_frmTopics) {
        m_frmTopics = new frmTopics(m_state, m_platform.player);
        m_frmTopics->showMaximized();
        return;
    }
    if (m_frmTopics->isMinimized())
        m_frmTopics->setWindowState(m_frmTopics->windowState() & ~Qt::WindowMinimized);
    m_frmTopics->raise();
    m_frmTopics->activateWindow();
}

void Form1::mnuHelpManual_Click()
{
    if (!m_frmManual)
        m_frmManual = new frmManual;
    if (m_frmManual->isMinimized())
        m_frmManual->setWindowState(m_frmManual->windowState() & ~Qt::WindowMinimized);
    m_frmManual->show();
    m_frmManual->raise();
    m_frmManual->activateWindow();
}

void Form1::mnuHelpAbout_Click()
{
    if (!m_frmAbout)
        m_frmAbout = new frmAbout(m_state, m_platform);
    m_frmAbout->show();
    m_frmAbout->raise();
    m_frmAbout->activateWindow();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Resize()
{
    const std::optional<MainLayout> layout
        = MainLayout::forInnerSize(Twips::fromPixels(m_inner->width()),
            Twips::fromPixels(m_inner->height()), m_buttonsLabelWidth);
    if (!layout)
        return;
    for (int i = 0; i < Module1::LetterCount; ++i) {
        placeInTwips(m_cmdLetter[i], layout->letters[i]);
        m_cmdLetter[i]->setToolTip(LetterToolTip.toString());
    }
    for (int i = 0; i < Module1::SlotCount; ++i)
        placeInTwips(m_lblPick[i], layout->slots[i]);
    placeInTwips(m_cmdStart, layout->start);
    placeInTwips(m_lblStart, layout->lblStart);
    m_lblSpell->move(Twips::toPixels(layout->lblSpell));
    placeInTwips(m_lblButtons, layout->lblButtons);
    for (PictureBox *picture : m_imgHang)
        placeInTwips(picture, layout->picture);
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    m_fileMenu.Form_Unload(cancel);
    event->setAccepted(!cancel);
}

QLabel *Form1::label(Label which) const
{
    switch (which) {
    case Label::lblStart:
        return m_lblStart;
    case Label::lblWin:
        return m_lblWin;
    case Label::lblSpell:
        return m_lblSpell;
    case Label::lblButtons:
        return m_lblButtons;
    }
    return nullptr;
}

void Form1::setLabelVisible(Label which, bool visible)
{
    label(which)->setVisible(visible);
}

void Form1::setLabelCaption(Label which, const QString &caption)
{
    QLabel *shown = label(which);
    shown->setText(caption);
    // The remark and the spelling line size themselves to their text.
    if (which == Label::lblWin || which == Label::lblSpell)
        shown->adjustSize();
}

int Form1::lblWinWidth() const
{
    return int(Twips::fromPixels(m_lblWin->width()));
}

void Form1::setLblWinLeft(int left)
{
    m_lblWin->move(Twips::toPixels(left), Twips::toPixels(MainLayout::WinTop));
}

int Form1::innerWidth() const
{
    return int(Twips::fromPixels(m_inner->width()));
}

void Form1::setPickVisible(int index, bool visible)
{
    m_lblPick.at(index)->setVisible(visible);
}

void Form1::setPickCaption(int index, const QString &caption)
{
    m_lblPick.at(index)->setText(caption);
    updatePickAccessibleName(index);
}

void Form1::setPickToolTip(int index, const QString &toolTip)
{
    m_lblPick.at(index)->setToolTip(plainToolTip(toolTip));
}

void Form1::updatePickAccessibleName(int index)
{
    QLabel *slot = m_lblPick.at(index);
    const QString name = u"Letter %1"_s.arg(index + 1);
    slot->setAccessibleName(slot->text().isEmpty() ? name : name + u": "_s + slot->text());
}

void Form1::setLetterEnabled(int index, bool enabled)
{
    m_cmdLetter.at(index)->setEnabled(enabled);
}

void Form1::setLetterBackColor(int index, quint32 color)
{
    m_cmdLetter.at(index)->setFaceColor(storedColor(color));
}

void Form1::showHangPicture(int index)
{
    for (int i = 0; i < int(m_imgHang.size()); ++i)
        m_imgHang[i]->setVisible(i == index);
}

QAction *Form1::menuItem(MenuItem item) const
{
    switch (item) {
    case MenuItem::mnuFileCurrent:
        return m_mnuFileCurrent;
    case MenuItem::mnuFileDefault1:
        return m_mnuFileDefault1;
    case MenuItem::mnuFileOptionsShow:
        return m_mnuFileOptionsShow;
    case MenuItem::mnuFileOptionsHide:
        return m_mnuFileOptionsHide;
    case MenuItem::mnuOptionsSounds:
        return m_mnuOptionsSounds;
    }
    return nullptr;
}

void Form1::setMenuCaption(MenuItem item, const QString &caption)
{
    const bool namesList = item == MenuItem::mnuFileCurrent || item == MenuItem::mnuFileDefault1;
    menuItem(item)->setText(namesList ? literalText(caption) : caption);
}

void Form1::setMenuChecked(MenuItem item, bool checked)
{
    menuItem(item)->setChecked(checked);
}

void Form1::setMenuEnabled(MenuItem item, bool enabled)
{
    menuItem(item)->setEnabled(enabled);
}

void Form1::setFormCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void Form1::setLetterCaption(int index, const QString &caption)
{
    QPushButton *button = m_cmdLetter.at(index);
    // Letters have no access keys.
    button->setText(literalText(caption));
    button->setAccessibleName(caption);
}

void Form1::showTitleScreen()
{
    // This window is not shown yet: it waits, hidden, until the title screen closes.
    m_frmSplash = new frmSplash(m_state, m_platform, *this, this);
    m_frmSplash->showMaximized();
}

void Form1::showMainWindow()
{
    showMaximized();
    activateWindow();
}

void Form1::endProgram()
{
    // exit() rather than quit(): quit() would ask every window to close, running their closing
    // steps and this window's question again.
    QCoreApplication::exit(0);
}
