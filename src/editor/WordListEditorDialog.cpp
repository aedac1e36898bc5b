#include "editor/WordListEditorDialog.h"

#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr QColor BackColor(128, 128, 128);
constexpr QColor TextColor = Colors::Peach;

// Greedy word wrap into lines no wider than width; nullopt if it needs more than maxLines lines
// or a word is wider than that on its own. '&' marks an access key and takes no room.
std::optional<QString> wrapped(
    const QString &text, const QFontMetrics &metrics, int width, int maxLines)
{
    const auto widthOf = [&metrics](const QString &line) {
        return metrics.horizontalAdvance(QString(line).remove(u'&'));
    };
    QStringList lines;
    for (const QString &word : text.split(u' ')) {
        const QString longer = lines.isEmpty() ? word : lines.constLast() + u' ' + word;
        if (!lines.isEmpty() && widthOf(longer) <= width)
            lines.last() = longer;
        else
            lines.append(word);
        if (widthOf(lines.constLast()) > width || lines.size() > maxLines)
            return std::nullopt;
    }
    return lines.join(u'\n');
}

// The boxes were laid out for a narrower font than most desktops have. A caption that does not
// fit its box at the given size is broken into lines and, if need be, condensed a little: the
// box and the point size stay as designed.
void fitCaption(QWidget *widget, const QString &text, int width, int maxLines,
    const std::function<void(const QString &)> &setText)
{
    QFont font = widget->font();
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        if (const std::optional<QString> lines
            = wrapped(text, QFontMetrics(font), width, maxLines)) {
            widget->setFont(font);
            setText(*lines);
            return;
        }
    }
    setText(text);
}

// A label at its designed place; it grows downwards when its lines need more height.
QLabel *createFittedLabel(const QString &text, QWidget *parent, const QFont &font,
    const QRectF &twips, int maxLines = 1, Qt::Alignment alignment = Qt::AlignLeft)
{
    QLabel *label = createLabel(QString(), font, alignment | Qt::AlignTop, parent);
    setColors(label, TextColor, BackColor);
    QRect box = Twips::toPixels(twips);
    fitCaption(label, text, box.width(), maxLines,
        [label](const QString &lines) { label->setText(lines); });
    box.setHeight(std::max(box.height(), label->sizeHint().height()));
    label->setGeometry(box);
    return label;
}

QPushButton *createButton(
    const QString &text, const QString &toolTip, QWidget *parent, const QRectF &twips)
{
    auto *button = new QPushButton(parent);
    button->setToolTip(toolTip);
    button->setAccessibleName(QString(text).remove(u'&'));
    const QRect box = Twips::toPixels(twips);
    button->setGeometry(box);
    const int margins = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    fitCaption(button, text, box.width() - margins, 2,
        [button](const QString &lines) { button->setText(lines); });
    return button;
}

QRadioButton *createOption(const QString &text, QWidget *parent, const QRectF &twips)
{
    auto *option = new QRadioButton(text, parent);
    // Buttons fill with the Button role, which would paint a light patch on the grey frame.
    option->setBackgroundRole(QPalette::Window);
    option->setAutoFillBackground(true);
    setColors(option, TextColor, BackColor);
    option->setGeometry(Twips::toPixels(twips));
    // Wide enough for its text in the desktop's font, within its frame.
    const int room = parent->width() - option->x() - 2;
    option->resize(
        std::max(option->width(), std::min(option->sizeHint().width(), room)), option->height());
    return option;
}

QFrame *createFrame(QWidget *parent, const QRectF &twips)
{
    auto *frame = new QFrame(parent);
    frame->setGeometry(Twips::toPixels(twips));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    setColors(frame, TextColor, BackColor);
    return frame;
}

} // namespace

WordListEditorDialog::WordListEditorDialog(
    GameState &state, const Services &services, MenuCaptions &captions, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_editor(state, *this, captions, services)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(u"frmNewWords"_s);
    setWindowTitle(u"Make New Word List"_s);
    setFont(desktopFont(8, false));
    setAutoFillBackground(true);
    setColors(this, TextColor, BackColor);
    // One button row taller than first designed, for Import... below Exit, and the sentence box
    // below all.
    setFixedSize(Twips::toPixels(QSizeF(6720, 3240)));
    setAcceptDrops(true);

    createControls();
    createChoices();
    createSentenceBox();
    setTabOrder();
    connectControls();
    m_wordEdit->setFocus();
}

void WordListEditorDialog::createControls()
{
    const QFont labelFont = desktopFont(7.8, true);
    m_wordLabel
        = createFittedLabel(u"Enter word here:"_s, this, labelFont, QRectF(120, 360, 1452, 252));
    m_wordLabel->setObjectName(u"lblEnterWord"_s);

    m_wordEdit = new QLineEdit(this);
    m_wordEdit->setObjectName(u"txtWord"_s);
    m_wordEdit->setFont(desktopFont(9.6, true));
    m_wordEdit->setMaxLength(WordListEditor::MaxWordLength);
    m_wordEdit->setToolTip(
        u"Type a word in here and then press ENTER (or click the Add to List button)."_s);
    m_wordEdit->setAccessibleName(u"Enter word here"_s);
    placeInTwips(m_wordEdit, QRectF(120, 600, 1932, 348));

    m_arrowLabel = createFittedLabel(
        u"> >"_s, this, labelFont, QRectF(2160, 720, 252, 252), 1, Qt::AlignHCenter);
    m_arrowLabel->setObjectName(u"Label1"_s);
    m_listLabel = createFittedLabel(
        u"Word list"_s, this, labelFont, QRectF(3360, 360, 1092, 252), 1, Qt::AlignHCenter);
    m_listLabel->setObjectName(u"lblList"_s);

    m_wordList = new QListWidget(this);
    m_wordList->setObjectName(u"lstWords"_s);
    m_wordList->setFont(desktopFont(9.6, true));
    m_wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wordList->setAccessibleName(u"Word list"_s);
    placeInTwips(m_wordList, QRectF(2520, 600, 2772, 1488));

    m_addButton = createButton(u"&Add to List"_s,
        u"Add the word you have typed to the list. (Or just press ENTER)"_s, this,
        QRectF(5520, 240, 972, 372));
    m_addButton->setObjectName(u"cmdEnter"_s);
    m_addButton->setDefault(true);
    m_removeButton = createButton(u"&Remove from List"_s,
        u"Click on a word in the list to highlight it.  Then click this button to remove that "
        u"word."_s,
        this, QRectF(5520, 720, 972, 372));
    m_removeButton->setObjectName(u"cmdDelete"_s);
    m_removeButton->setEnabled(false);
    m_saveButton = createButton(u"&Save List"_s,
        u"Save the list you have typed in, so that you can use it again."_s, this,
        QRectF(5520, 1200, 972, 372));
    m_saveButton->setObjectName(u"cmdSave"_s);
    m_saveButton->setEnabled(false);
    m_exitButton = createButton(u"E&xit"_s, u"Close this window without saving a new list."_s, this,
        QRectF(5520, 1680, 972, 372));
    m_exitButton->setObjectName(u"cmdExit"_s);
    m_importButton = createButton(u"&Import..."_s,
        u"Bring in the words of a text or CSV file, a KVTML vocabulary file or another Wordrow "
        u"list. You can also drop the file on this window."_s,
        this, QRectF(5520, 2160, 972, 372));
    m_importButton->setObjectName(u"cmdImport"_s);

    // Drops land on the window, which imports files and pastes text.
    m_wordEdit->setAcceptDrops(false);
    m_wordEdit->installEventFilter(this);
}

void WordListEditorDialog::createChoices()
{
    m_startupChoice = createFrame(this, QRectF(1320, 960, 1092, 1092));
    m_startupChoice->setObjectName(u"frmNewSave"_s);
    m_startupChoice->setToolTip(
        u"If you save this word list, do you want to use it in the game now "
        u"and when you start the program again?"_s);
    m_startupQuestion = createFittedLabel(
        u"Make this the startup list"_s, m_startupChoice, font(), QRectF(120, 120, 972, 372), 2);
    m_startupQuestion->setObjectName(u"lblNewSave"_s);
    m_startupYes = createOption(u"&Yes"_s, m_startupChoice, QRectF(240, 600, 612, 192));
    m_startupYes->setObjectName(u"optDefaultYes"_s);
    m_startupNo = createOption(u"&No"_s, m_startupChoice, QRectF(240, 840, 492, 192));
    m_startupNo->setObjectName(u"optDefaultNo"_s);
    m_startupNo->setChecked(true);

    m_loadChoice = createFrame(this, QRectF(120, 960, 1092, 1092));
    m_loadChoice->setObjectName(u"frmNewLoad"_s);
    m_loadQuestion = createFittedLabel(
        u"After Save, load this list"_s, m_loadChoice, font(), QRectF(120, 120, 852, 372), 2);
    m_loadQuestion->setObjectName(u"lblNewLoad"_s);
    m_loadYes = createOption(u"Yes"_s, m_loadChoice, QRectF(240, 600, 612, 192));
    m_loadYes->setObjectName(u"optNewYes"_s);
    m_loadNo = createOption(u"No"_s, m_loadChoice, QRectF(240, 840, 492, 192));
    m_loadNo->setObjectName(u"optNewNo"_s);
    m_loadNo->setChecked(true);
}

// Below the list: the selected word's sentence, and a line that says what became of it.
void WordListEditorDialog::createSentenceBox()
{
    m_sentenceLabel = createFittedLabel(u"Sentence for the selected word (optional):"_s, this,
        desktopFont(7.8, true), QRectF(120, 2160, 5280, 252));
    m_sentenceLabel->setObjectName(u"lblSentence"_s);

    m_sentenceEdit = new QLineEdit(this);
    m_sentenceEdit->setObjectName(u"txtSentence"_s);
    m_sentenceEdit->setFont(desktopFont(9.6, false));
    m_sentenceEdit->setMaxLength(Sentences::MaxLength);
    m_sentenceEdit->setPlaceholderText(u"Click a word in the list first"_s);
    m_sentenceEdit->setToolTip(
        u"A sentence with the word in it, said after the word in a spelling test and shown as a "
        u"hint in the game. Leave it empty for none."_s);
    m_sentenceEdit->setAccessibleName(u"Sentence for the selected word"_s);
    m_sentenceEdit->setEnabled(false);
    m_sentenceEdit->installEventFilter(this);
    m_sentenceLabel->setBuddy(m_sentenceEdit);
    placeInTwips(m_sentenceEdit, QRectF(120, 2412, 5280, 348));

    m_sentenceNote
        = createFittedLabel(QString(), this, desktopFont(7.8, false), QRectF(120, 2820, 6480, 252));
    m_sentenceNote->setObjectName(u"lblSentenceNote"_s);
    m_sentenceNote->setWordWrap(true);
}

void WordListEditorDialog::setTabOrder()
{
    QWidget *const order[] = {m_wordEdit, m_wordList, m_sentenceEdit, m_addButton, m_removeButton,
        m_saveButton, m_exitButton, m_importButton, m_startupYes, m_startupNo, m_loadYes, m_loadNo};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void WordListEditorDialog::connectControls()
{
    connect(m_wordEdit, &QLineEdit::textChanged, this,
        [this](const QString &text) { m_editor.setTyped(text); });
    connect(m_wordList, &QListWidget::itemSelectionChanged, this,
        &WordListEditorDialog::passOnSelection);
    connect(m_sentenceEdit, &QLineEdit::editingFinished, this,
        [this] { m_editor.setSentence(m_sentenceEdit->text()); });
    connect(m_addButton, &QPushButton::clicked, this, [this] { m_editor.addWord(); });
    connect(m_removeButton, &QPushButton::clicked, this, [this] { m_editor.removeSelected(); });
    connect(m_saveButton, &QPushButton::clicked, this, [this] { m_editor.saveList(); });
    connect(m_exitButton, &QPushButton::clicked, this, [this] { m_editor.requestExit(); });
    connect(m_importButton, &QPushButton::clicked, this, [this] { m_editor.importList(); });

    connect(m_loadYes, &QRadioButton::toggled, this,
        [this](bool checked) { m_editor.setLoadNow(checked); });
    connect(m_startupYes, &QRadioButton::toggled, this,
        [this](bool checked) { m_editor.setMakeStartup(checked); });
    for (QRadioButton *choice : {m_loadYes, m_loadNo, m_startupYes, m_startupNo})
        connect(choice, &QRadioButton::clicked, this, [this] { m_editor.choiceClicked(); });
}

void WordListEditorDialog::passOnSelection()
{
    const QList<QListWidgetItem *> selected = m_wordList->selectedItems();
    m_editor.setSelection(
        selected.isEmpty() ? std::nullopt : std::optional(m_wordList->row(selected.constFirst())));
}

void WordListEditorDialog::appendEntry(const QString &entry)
{
    m_wordList->addItem(entry);
}

void WordListEditorDialog::removeEntry(int index)
{
    // The list would otherwise select a neighbour on its own.
    const QSignalBlocker blocker(m_wordList);
    delete m_wordList->takeItem(index);
    m_wordList->clearSelection();
    m_wordList->setCurrentItem(nullptr);
}

void WordListEditorDialog::setTypedWord(const QString &text)
{
    m_wordEdit->setText(text);
}

void WordListEditorDialog::selectTypedWord()
{
    m_wordEdit->selectAll();
}

void WordListEditorDialog::focusTypedWord()
{
    // A message box may have handed activation to the main window.
    if (!isActiveWindow())
        activateWindow();
    m_wordEdit->setFocus(Qt::OtherFocusReason);
}

void WordListEditorDialog::setRemoveEnabled(bool enabled)
{
    m_removeButton->setEnabled(enabled);
}

void WordListEditorDialog::setSaveEnabled(bool enabled)
{
    m_saveButton->setEnabled(enabled);
    if (m_publishButton)
        m_publishButton->setEnabled(enabled);
}

void WordListEditorDialog::setPublish(WordListEditor::Publish publish)
{
    m_editor.setPublish(std::move(publish));
    if (m_publishButton)
        return;
    // Below the others, only where a teacher's service is set; the note below the sentence gives
    // it its corner.
    m_publishButton = createButton(u"&Publish to Class..."_s,
        u"Publish the list with its sentences to the class database: every computer of the "
        u"class gets it."_s,
        this, QRectF(5520, 2640, 972, 372));
    m_publishButton->setObjectName(u"cmdPublish"_s);
    m_publishButton->setEnabled(m_editor.saveEnabled());
    m_sentenceNote->setGeometry(Twips::toPixels(QRectF(120, 2820, 5280, 252)));
    QWidget::setTabOrder(m_saveButton, m_publishButton);
    QWidget::setTabOrder(m_publishButton, m_exitButton);
    connect(m_publishButton, &QPushButton::clicked, this, [this] { m_editor.publishList(); });
    m_publishButton->show();
}

void WordListEditorDialog::showSentence(const QString &sentence, bool editable)
{
    // Leaving the box for another word hands its text on first, through editingFinished.
    const QSignalBlocker blocker(m_sentenceEdit);
    m_sentenceEdit->setText(sentence);
    m_sentenceEdit->setEnabled(editable);
    m_sentenceEdit->setPlaceholderText(
        editable ? u"Type a sentence with the word in it"_s : u"Click a word in the list first"_s);
}

void WordListEditorDialog::showSentenceNote(const QString &note)
{
    m_sentenceNote->setText(note);
    m_sentenceNote->setAccessibleName(note);
}

void WordListEditorDialog::requestClose()
{
    close();
}

void WordListEditorDialog::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_editor.confirmClose());
}

bool WordListEditorDialog::pasteIntoWordBox(const QString &text)
{
    return m_editor.pasteText(text);
}

bool WordListEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the sentence box keeps the sentence and goes back to typing words, rather than
    // pressing Add to List.
    if (watched == m_sentenceEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_wordEdit->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (watched != m_wordEdit)
        return QDialog::eventFilter(watched, event);
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return pasteIntoWordBox(clipboard->text());
        break;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton
            && clipboard->supportsSelection())
            return pasteIntoWordBox(clipboard->text(QClipboard::Selection));
        break;
    case QEvent::ContextMenu: {
        QMenu *menu = m_wordEdit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (auto *paste = menu->findChild<QAction *>(u"edit-paste"_s)) {
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, this, [this] {
                const QString text = QGuiApplication::clipboard()->text();
                if (!pasteIntoWordBox(text))
                    m_wordEdit->paste();
            });
        }
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void WordListEditorDialog::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    const QList<QUrl> urls = data->urls();
    const bool files = !urls.isEmpty()
        && std::all_of(
            urls.cbegin(), urls.cend(), [](const QUrl &url) { return url.isLocalFile(); });
    if (files || (urls.isEmpty() && data->hasText()))
        event->acceptProposedAction();
}

void WordListEditorDialog::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    event->acceptProposedAction();
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls())
            m_editor.importFile(url.toLocalFile());
    } else if (!pasteIntoWordBox(data->text())) {
        m_wordEdit->insert(data->text());
        m_wordEdit->setFocus(Qt::OtherFocusReason);
    }
}

void WordListEditorDialog::reject()
{
    close();
}
