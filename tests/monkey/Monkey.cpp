#include "monkey/Monkey.h"

#include "app/LetterButton.h"
#include "app/MainWindow.h"
#include "core/GameState.h"
#include "editor/WordListEditorDialog.h"
#include "ui/PictureBox.h"
#include "windows/AboutDialog.h"
#include "windows/HelpTopicsWindow.h"
#include "windows/ManualWindow.h"
#include "windows/TitleScreenDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>
#include <iostream>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

template<typename T>
QList<T *> liveWindows()
{
    QList<T *> found;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *window = dynamic_cast<T *>(widget))
            found.append(window);
    }
    return found;
}

template<typename T>
T *shownWindow()
{
    for (T *window : liveWindows<T>()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

bool isOurs(QWidget *widget)
{
    return dynamic_cast<MainWindow *>(widget) || dynamic_cast<WordListEditorDialog *>(widget)
        || dynamic_cast<TitleScreenDialog *>(widget) || dynamic_cast<HelpTopicsWindow *>(widget)
        || dynamic_cast<AboutDialog *>(widget) || dynamic_cast<ManualWindow *>(widget);
}

// Processes what is pending without the ten milliseconds' sleep of QTest::qWaitFor, which would
// dominate a run of tens of thousands of actions; falls back on it when that is not enough.
bool waitFor(const std::function<bool()> &done)
{
    for (int i = 0; i < 20; ++i) {
        if (done())
            return true;
        QCoreApplication::processEvents();
    }
    return QTest::qWaitFor(done, 500);
}

Qt::Key keyFor(QChar c)
{
    const QChar upper = c.toUpper();
    if (upper >= u'A' && upper <= u'Z')
        return Qt::Key(Qt::Key_A + (upper.unicode() - u'A'));
    if (c == u'\t')
        return Qt::Key_Tab;
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
        return Qt::Key(c.unicode());
    return Qt::Key_unknown;
}

} // namespace

Monkey::Monkey(quint64 seed)
    : m_seed(seed)
    , m_engine(seed)
{
    addActions();
    start();
}

Monkey::~Monkey()
{
    m_watcher.detach();
    m_window.reset();
    settle();
}

void Monkey::start()
{
    ++m_starts;
    m_dialogs.restoreFixtures();
    m_state = std::make_unique<GameState>();
    // Started where main starts it: in the home folder, which any dialog may have moved from.
    m_files.current = m_dir.path();
    // Now and then a machine without sound.
    m_player.hasCard = below(5) != 0;
    m_window = std::make_unique<MainWindow>(
        *m_state, Services{m_messages, m_dialogs, m_files, m_player, m_random, m_speaker});
    m_watcher.attach(*m_window, *m_state);
    m_window->start();
    if (!m_window->isTitleScreenOpen())
        m_window->showMaximized();
    settle();
}

void Monkey::restart()
{
    m_watcher.detach();
    m_window.reset();
    settle();
    // Every window of the program goes with the main window, as when the program ends.
    const qsizetype left = liveWindows<WordListEditorDialog>().size()
        + liveWindows<TitleScreenDialog>().size() + liveWindows<HelpTopicsWindow>().size()
        + liveWindows<AboutDialog>().size() + liveWindows<ManualWindow>().size();
    if (left > 0)
        m_restartProblems.append(u"%1 windows outlived the main window"_s.arg(left));
    m_state.reset();
    start();
}

bool Monkey::isUp(Where where) const
{
    switch (where) {
    case Where::Main:
        return m_window->isVisible();
    case Where::Editor:
        return shownWindow<WordListEditorDialog>();
    case Where::TitleScreen:
        return shownWindow<TitleScreenDialog>();
    case Where::Topics:
        return shownWindow<HelpTopicsWindow>();
    case Where::About:
        return shownWindow<AboutDialog>();
    case Where::Manual:
        return shownWindow<ManualWindow>();
    case Where::Anywhere:
        return true;
    }
    return false;
}

Monkey::Action &Monkey::pick()
{
    std::array<bool, 7> up{};
    for (int w = 0; w < int(up.size()); ++w)
        up[w] = isUp(Where(w));
    int total = 0;
    for (const Action &action : m_actions)
        total += up[int(action.where)] ? action.weight : 0;
    int r = below(total);
    for (Action &action : m_actions) {
        if (!up[int(action.where)])
            continue;
        if (r < action.weight)
            return action;
        r -= action.weight;
    }
    return m_actions.back();
}

QStringList Monkey::run(long long actions)
{
    const bool trace = qEnvironmentVariableIsSet("WORDROW_MONKEY_TRACE");
    for (long long i = 0; i < actions; ++i) {
        Action &action = pick();
        ++action.count;
        if (trace)
            std::cout << i << ' ' << action.name.toStdString() << std::endl;
        const long long startsBefore = m_starts;
        const bool soundOffBefore = m_state->soundsOff;
        const qsizetype played = m_player.played.size();
        const int beeps = m_player.beeps;
        m_restartProblems.clear();
        action.perform();
        settle();
        QStringList found = problems();
        // The program's sound switch silences everything until it is turned on again.
        if (m_starts == startsBefore && soundOffBefore && m_state->soundsOff) {
            if (m_player.played.size() != played)
                found.append(u"%1 played with sounds off"_s.arg(m_player.played.constLast()));
            if (m_player.beeps != beeps)
                found.append(u"a beep with sounds off"_s);
        }
        if (!found.isEmpty()) {
            QStringList named;
            for (const QString &problem : found)
                named.append(
                    u"seed %1, action %2 (%3): %4"_s.arg(m_seed).arg(i).arg(action.name, problem));
            return named;
        }
        // Records of what was played and shown would otherwise grow with the run.
        if (i % 500 == 499) {
            m_player.played.clear();
            m_messages.record.shown.clear();
            m_dialogs.record.opened.clear();
            m_dialogs.record.saved.clear();
        }
    }
    return {};
}

QStringList Monkey::counts() const
{
    QStringList lines;
    for (const Action &action : m_actions)
        lines.append(u"%1 %2"_s.arg(action.count, 7).arg(action.name));
    lines.append(u"%1 message boxes, %2 of them questions; %3 open and %4 save dialogs"_s
                     .arg(m_messages.informed + m_messages.asked)
                     .arg(m_messages.asked)
                     .arg(m_dialogs.opened)
                     .arg(m_dialogs.saved));
    return lines;
}

bool Monkey::everyKindRan() const
{
    return std::all_of(m_actions.cbegin(), m_actions.cend(),
        [](const Action &action) { return action.count > 0; });
}

// --- Actions ---------------------------------------------------------------------------------

void Monkey::addActions()
{
    addMainActions();
    addEditorActions();
    addTitleScreenActions();
    addHelpActions();
    m_actions.push_back({u"resize a window"_s, 2, Where::Anywhere, [this] {
                             // The fixed-size editor and about box cannot be resized.
                             QList<QWidget *> resizable;
                             for (QWidget *window : {static_cast<QWidget *>(m_window.get()),
                                      static_cast<QWidget *>(shownWindow<TitleScreenDialog>()),
                                      static_cast<QWidget *>(shownWindow<HelpTopicsWindow>()),
                                      static_cast<QWidget *>(shownWindow<ManualWindow>())}) {
                                 if (window && window->isVisible())
                                     resizable.append(window);
                             }
                             if (resizable.isEmpty())
                                 return;
                             QWidget *window = resizable.at(below(int(resizable.size())));
                             if (chance(25)) {
                                 window->showMaximized();
                                 return;
                             }
                             window->showNormal();
                             window->resize(1 + below(1000), 1 + below(800));
                         }});
    m_actions.push_back({u"restart the program"_s, 2, Where::Anywhere, [this] { restart(); }});
    m_actions.push_back({u"activate another window"_s, 6, Where::Anywhere, [this] {
                             // In a fixed order: the application's own lists come from a hash.
                             QList<QWidget *> shown;
                             for (QWidget *window : {static_cast<QWidget *>(m_window.get()),
                                      static_cast<QWidget *>(shownWindow<WordListEditorDialog>()),
                                      static_cast<QWidget *>(shownWindow<TitleScreenDialog>()),
                                      static_cast<QWidget *>(shownWindow<HelpTopicsWindow>()),
                                      static_cast<QWidget *>(shownWindow<AboutDialog>()),
                                      static_cast<QWidget *>(shownWindow<ManualWindow>())}) {
                                 if (window && window->isVisible())
                                     shown.append(window);
                             }
                             if (!shown.isEmpty())
                                 activate(shown.at(below(int(shown.size()))));
                         }});
}

void Monkey::addMainActions()
{
    const auto main = [this] { return m_window.get(); };
    m_actions.push_back(
        {u"New Word by Return"_s, 6, Where::Main, [this, main] { key(main(), Qt::Key_Return); }});
    m_actions.push_back({u"New Word by click"_s, 6, Where::Main,
        [this, main] { click(main()->findChild<QPushButton *>(u"cmdStart"_s)); }});
    m_actions.push_back({u"click an enabled letter"_s, 60, Where::Main, [this, main] {
                             QList<QWidget *> enabled;
                             for (int i = 0; i < GameRound::LetterCount; ++i) {
                                 if (main()->letterButton(i)->isEnabled())
                                     enabled.append(main()->letterButton(i));
                             }
                             click(enabled.isEmpty()
                                     ? main()->letterButton(below(GameRound::LetterCount))
                                     : enabled.at(below(int(enabled.size()))));
                         }});
    m_actions.push_back(
        {u"click a letter of the word"_s, 30, Where::Main, [this, main] {
             // A player who knows the word: rounds get won, not only lost.
             QList<QWidget *> good;
             const GameRound &round = m_window->round();
             for (int i = 0; i < GameRound::LetterCount; ++i) {
                 if (main()->letterButton(i)->isEnabled()
                     && round.word().contains(round.letters().at(i), Qt::CaseInsensitive))
                     good.append(main()->letterButton(i));
             }
             if (!good.isEmpty())
                 click(good.at(below(int(good.size()))));
         }});
    m_actions.push_back({u"click any letter"_s, 10, Where::Main,
        [this, main] { click(main()->letterButton(below(GameRound::LetterCount))); }});
    m_actions.push_back({u"type a character in the main window"_s, 20, Where::Main, [this, main] {
                             // Letters of either case, the two marks, and keys that guess nothing.
                             static const QString keys = u"abcdeinorstuyzAEIOUQ'-\u00e91 "_s;
                             type(main(), keys.mid(below(int(keys.size())), 1));
                         }});
    m_actions.push_back(
        {u"Tab or Space in the main window"_s, 6, Where::Main, [this, main] {
             key(main(),
                 std::array{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Space}[below(4)]);
         }});
    m_actions.push_back({u"File > Load Another List (Ctrl+L)"_s, 4, Where::Main,
        [this, main] { key(main(), Qt::Key_L, Qt::ControlModifier); }});
    m_actions.push_back({u"File > current list"_s, 2, Where::Main,
        [this, main] { chooseMenu(main(), main()->menuCaptions().currentList()); }});
    m_actions.push_back({u"File > Set Startup Wordlist"_s, 3, Where::Main,
        [this] { chooseMenu(u"Set &Startup Wordlist..."_s); }});
    m_actions.push_back({u"File > start-up list"_s, 1, Where::Main,
        [this, main] { chooseMenu(main(), main()->menuCaptions().startupList()); }});
    m_actions.push_back(
        {u"File > Delete"_s, 3, Where::Main, [this] { chooseMenu(u"&Delete..."_s); }});
    m_actions.push_back({u"File > Options > Show Startup Screen"_s, 2, Where::Main,
        [this, main] { chooseMenu(main(), main()->menuCaptions().showTitleScreen()); }});
    m_actions.push_back({u"File > Options > Hide Startup Screen"_s, 2, Where::Main,
        [this, main] { chooseMenu(main(), main()->menuCaptions().hideTitleScreen()); }});
    m_actions.push_back({u"File > Options > sounds"_s, 2, Where::Main,
        [this, main] { chooseMenu(main(), main()->menuCaptions().sounds()); }});
    m_actions.push_back({u"File > Exit (Ctrl+X), answered No"_s, 2, Where::Main,
        [this, main] { key(main(), Qt::Key_X, Qt::ControlModifier); }});
    m_actions.push_back({u"main window's close box, answered No"_s, 1, Where::Main,
        [this, main] { closeBox(main()); }});
    m_actions.push_back({u"File > Make New Wordlist (Ctrl+M)"_s, 5, Where::Main,
        [this, main] { key(main(), Qt::Key_M, Qt::ControlModifier); }});
    m_actions.push_back({u"Help > Topics (Ctrl+T)"_s, 3, Where::Main,
        [this, main] { key(main(), Qt::Key_T, Qt::ControlModifier); }});
    m_actions.push_back({u"Help > Instruction Manual (Ctrl+H)"_s, 2, Where::Main,
        [this, main] { key(main(), Qt::Key_H, Qt::ControlModifier); }});
    m_actions.push_back(
        {u"Help > About Wordrow"_s, 3, Where::Main, [this] { chooseMenu(u"&About Wordrow"_s); }});
}

void Monkey::addEditorActions()
{
    const auto editor = [] { return shownWindow<WordListEditorDialog>(); };
    m_actions.push_back(
        {u"editor: type"_s, 14, Where::Editor, [this, editor] {
             WordListEditorDialog *window = editor();
             if (chance(70))
                 clickAt(window->findChild<QLineEdit *>(u"txtWord"_s),
                     QPoint(1 + below(window->findChild<QLineEdit *>(u"txtWord"_s)->width() - 2),
                         window->findChild<QLineEdit *>(u"txtWord"_s)->height() / 2));
             if (chance(20)) {
                 key(window, Qt::Key_A, Qt::ControlModifier);
                 key(window, Qt::Key_Backspace);
             }
             if (chance(5)) {
                 QGuiApplication::clipboard()->setText(someText() + someText());
                 key(window, Qt::Key_V, Qt::ControlModifier);
             } else {
                 type(window, someText());
             }
         }});
    m_actions.push_back(
        {u"editor: type a word and press Return"_s, 12, Where::Editor, [this, editor] {
             // Enough entries to save now and then, so that the save dialog gets its turn.
             WordListEditorDialog *window = editor();
             click(window->findChild<QLineEdit *>(u"txtWord"_s));
             type(window, someWord());
             key(window, Qt::Key_Return);
         }});
    m_actions.push_back({u"editor: Add to List"_s, 6, Where::Editor,
        [this, editor] { click(editor()->findChild<QPushButton *>(u"cmdEnter"_s)); }});
    m_actions.push_back(
        {u"editor: Return"_s, 6, Where::Editor, [this, editor] { key(editor(), Qt::Key_Return); }});
    m_actions.push_back({u"editor: Remove from List"_s, 4, Where::Editor,
        [this, editor] { click(editor()->findChild<QPushButton *>(u"cmdDelete"_s)); }});
    m_actions.push_back({u"editor: select a row"_s, 5, Where::Editor, [this, editor] {
                             clickRow(editor()->findChild<QListWidget *>(u"lstWords"_s),
                                 chance(20) ? Qt::ControlModifier : Qt::NoModifier);
                         }});
    m_actions.push_back({u"editor: a choice"_s, 4, Where::Editor, [this, editor] {
                             WordListEditorDialog *window = editor();
                             QRadioButton *const options[]
                                 = {window->findChild<QRadioButton *>(u"optDefaultYes"_s),
                                     window->findChild<QRadioButton *>(u"optDefaultNo"_s),
                                     window->findChild<QRadioButton *>(u"optNewYes"_s),
                                     window->findChild<QRadioButton *>(u"optNewNo"_s)};
                             click(options[below(4)]);
                         }});
    m_actions.push_back({u"editor: Save List"_s, 4, Where::Editor,
        [this, editor] { click(editor()->findChild<QPushButton *>(u"cmdSave"_s)); }});
    m_actions.push_back({u"editor: Exit"_s, 1, Where::Editor,
        [this, editor] { click(editor()->findChild<QPushButton *>(u"cmdExit"_s)); }});
    m_actions.push_back(
        {u"editor: Escape"_s, 1, Where::Editor, [this, editor] { key(editor(), Qt::Key_Escape); }});
    m_actions.push_back(
        {u"editor: close box"_s, 1, Where::Editor, [this, editor] { closeBox(editor()); }});
}

void Monkey::addTitleScreenActions()
{
    using Side = TitleScreenView::Side;
    const auto splash = [] { return shownWindow<TitleScreenDialog>(); };
    m_actions.push_back({u"title screen: background"_s, 10, Where::TitleScreen,
        [this, splash] { clickBackground(splash()); }});
    m_actions.push_back({u"title screen: a bear"_s, 10, Where::TitleScreen,
        [this, splash] { click(splash()->bear(below(2) ? Side::Left : Side::Right)); }});
    m_actions.push_back({u"title screen: the title"_s, 5, Where::TitleScreen,
        [this, splash] { click(splash()->findChild<PictureBox *>(u"imgTitle"_s)); }});
    m_actions.push_back({u"title screen: check box"_s, 3, Where::TitleScreen,
        [this, splash] { click(splash()->findChild<QCheckBox *>(u"chkHideSplash"_s)); }});
    m_actions.push_back({u"title screen: OK"_s, 1, Where::TitleScreen,
        [this, splash] { click(splash()->findChild<QPushButton *>(u"cmdOK"_s)); }});
    m_actions.push_back({u"title screen: Escape"_s, 1, Where::TitleScreen,
        [this, splash] { key(splash(), Qt::Key_Escape); }});
    m_actions.push_back({u"title screen: close box"_s, 1, Where::TitleScreen,
        [this, splash] { closeBox(splash()); }});
}

void Monkey::addHelpActions()
{
    const auto topics = [] { return shownWindow<HelpTopicsWindow>(); };
    m_actions.push_back({u"topics: select"_s, 5, Where::Topics, [this, topics] {
                             if (chance(70))
                                 clickRow(topics()->findChild<QListWidget *>(u"lstContents"_s),
                                     chance(10) ? Qt::ControlModifier : Qt::NoModifier);
                             else
                                 key(topics(), below(2) ? Qt::Key_Down : Qt::Key_Up);
                         }});
    m_actions.push_back({u"topics: type into the text"_s, 3, Where::Topics, [this, topics] {
                             HelpTopicsWindow *window = topics();
                             click(window->findChild<QPlainTextEdit *>(u"txtDescription"_s));
                             type(window, someText());
                         }});
    m_actions.push_back({u"topics: close"_s, 2, Where::Topics, [this, topics] {
                             if (below(2))
                                 chooseMenu(
                                     topics(), topics()->findChild<QAction *>(u"mnuClose"_s));
                             else
                                 closeBox(topics());
                         }});

    const auto about = [] { return shownWindow<AboutDialog>(); };
    m_actions.push_back({u"about: a bear"_s, 25, Where::About, [this, about] {
                             AboutDialog *window = about();
                             click(below(2) ? window->findChild<PictureBox *>(u"imgBearL"_s)
                                            : window->findChild<PictureBox *>(u"imgBearR"_s));
                         }});
    m_actions.push_back(
        {u"about: background"_s, 25, Where::About, [this, about] { clickBackground(about()); }});
    m_actions.push_back({u"about: OK"_s, 4, Where::About,
        [this, about] { click(about()->findChild<QPushButton *>(u"cmdOK"_s)); }});
    m_actions.push_back({u"about: Return or Escape"_s, 4, Where::About,
        [this, about] { key(about(), below(2) ? Qt::Key_Return : Qt::Key_Escape); }});

    const auto manual = [] { return shownWindow<ManualWindow>(); };
    m_actions.push_back(
        {u"manual: a bookmark"_s, 5, Where::Manual, [this, manual] {
             if (chance(70))
                 clickRow(manual()->bookmarks());
             else
                 key(manual(),
                     std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Tab}[below(4)]);
         }});
    m_actions.push_back({u"manual: close"_s, 2, Where::Manual, [this, manual] {
                             if (below(2))
                                 chooseMenu(manual(), manual()->closeAction());
                             else
                                 closeBox(manual());
                         }});
}

// --- Input ------------------------------------------------------------------------------------

void Monkey::activate(QWidget *window)
{
    if (!window || !window->isVisible() || QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    QPointer<QWidget> watched(window);
    waitFor([watched] { return !watched || QApplication::activeWindow() == watched; });
}

// Through the window, as a real click, which makes the window the active one first. Only where
// the target can be seen: in a window made small, the point may lie outside it or on the menu
// bar, whose overflow button would open a menu that waits for the player in a loop of its own.
void Monkey::clickAt(QWidget *target, QPoint at, Qt::KeyboardModifiers modifiers)
{
    QWidget *window = target->window();
    const QPoint point = target->mapTo(window, at);
    QWidget *hit = window->childAt(point);
    if (!hit)
        hit = window;
    if (!window->rect().contains(point) || (hit != target && !target->isAncestorOf(hit)))
        return;
    activate(window);
    if (!window->isVisible() || !window->windowHandle())
        return;
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, modifiers, point);
}

void Monkey::click(QWidget *target)
{
    clickAt(target, target->rect().center());
}

void Monkey::clickRow(QListWidget *list, Qt::KeyboardModifiers modifiers)
{
    QWidget *viewport = list->viewport();
    if (list->count() == 0 || chance(5)) {
        clickAt(viewport, QPoint(below(viewport->width()), below(viewport->height())), modifiers);
        return;
    }
    QListWidgetItem *item = list->item(below(list->count()));
    list->scrollToItem(item);
    const QRect shown = list->visualItemRect(item).intersected(viewport->rect());
    if (!shown.isEmpty())
        clickAt(viewport, shown.center(), modifiers);
}

void Monkey::clickBackground(QWidget *window)
{
    for (int tries = 0; tries < 20; ++tries) {
        const QPoint at(below(window->width()), below(window->height()));
        if (!window->childAt(at)) {
            clickAt(window, at);
            return;
        }
    }
}

void Monkey::key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    activate(window);
    if (window->isVisible() && window->windowHandle())
        QTest::keyClick(window->windowHandle(), key, modifiers);
}

void Monkey::type(QWidget *window, const QString &text)
{
    activate(window);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!window->isVisible() || !window->windowHandle())
            return;
        // A character outside the first plane comes as one key of two halves.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString typed = text.mid(i, length);
        i += length - 1;
        const Qt::Key code = typed == u"\b"_s ? Qt::Key_Backspace : keyFor(typed.at(0));
        QTest::sendKeyEvent(QTest::Click, window->windowHandle(), code,
            code == Qt::Key_Backspace ? QString() : typed, Qt::NoModifier);
    }
}

// The window manager's close button: QWindow::close() goes the same way through the platform, so
// the window sees a spontaneous close event.
void Monkey::closeBox(QWidget *window)
{
    if (window->windowHandle())
        window->windowHandle()->close();
}

// A menu item the player can reach: its window's menu is clicked first, which makes that window
// the active one; disabled items do nothing.
void Monkey::chooseMenu(QWidget *window, QAction *action)
{
    activate(window);
    if (action->isEnabled())
        action->trigger();
}

void Monkey::chooseMenu(const QString &text)
{
    for (QAction *action : m_window->menuBar()->findChildren<QAction *>()) {
        if (action->text() == text) {
            chooseMenu(m_window.get(), action);
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
}

QString Monkey::someWord()
{
    static const QStringList words = {u"cat"_s, u"Dog"_s, u"EMU"_s, u"rock'n-roll"_s, u"x"_s,
        u"yak"_s, u"Straße"_s, u"o'clock"_s, u"well-known"_s, u"QUIZ"_s};
    return words.at(below(int(words.size())));
}

QString Monkey::someText()
{
    static const QStringList odd = {u"1"_s, u"!"_s, u" "_s, u"é"_s, u"ß"_s, u"Ж"_s, u"\""_s, u"&"_s,
        u"<b>"_s, u"ﬁ"_s, u"\U0001F600"_s, u"\t"_s, u"\b"_s, u"\u0301"_s};
    const auto letters = [this](int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            const char16_t c = char16_t((below(2) ? u'a' : u'A') + below(26));
            text += QChar(c);
        }
        return text;
    };
    switch (below(8)) {
    case 0:
    case 1:
        return letters(1 + below(8));
    case 2:
        return letters(1 + below(3)) + odd.at(below(int(odd.size()))) + letters(below(3));
    case 3:
        return letters(16 + below(30));
    case 4:
        return letters(15);
    case 5:
        return u"\b\b\b"_s;
    default:
        return someWord();
    }
}

// --- Checks -----------------------------------------------------------------------------------

void Monkey::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QStringList Monkey::problems() const
{
    QStringList found = m_restartProblems + m_watcher.problems();
    problemsOfWindows(found);
    problemsOfMenus(found);
    problemsOfEditor(found);
    return found;
}

void Monkey::problemsOfWindows(QStringList &found) const
{
    const auto once = [&found](const QString &name, qsizetype count) {
        if (count > 1)
            found.append(u"%1 instances of the %2"_s.arg(count).arg(name));
    };
    once(u"main window"_s, liveWindows<MainWindow>().size());
    once(u"word-list editor"_s, liveWindows<WordListEditorDialog>().size());
    once(u"title screen"_s, liveWindows<TitleScreenDialog>().size());
    once(u"help topics"_s, liveWindows<HelpTopicsWindow>().size());
    once(u"about box"_s, liveWindows<AboutDialog>().size());
    once(u"manual"_s, liveWindows<ManualWindow>().size());

    if (liveWindows<MainWindow>().size() != 1
        || liveWindows<MainWindow>().value(0) != m_window.get())
        found.append(u"the main window is gone"_s);
    const bool titleUp = shownWindow<TitleScreenDialog>();
    if (m_window->isVisible() == titleUp)
        found.append(m_window->isVisible()
                ? u"the main window is up beside the title screen"_s
                : u"neither the main window nor the title screen is up"_s);
    if (titleUp != m_window->isTitleScreenOpen())
        found.append(u"the main window does not know whether the title screen is up"_s);

    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !isOurs(widget)
            && qstrcmp(widget->metaObject()->className(), "QTipLabel") != 0)
            found.append(u"an unexpected window is up: %1 '%2'"_s.arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle()));
    }
}

void Monkey::problemsOfMenus(QStringList &found) const
{
    const GameState &state = *m_state;
    const QAction *show = m_window->menuCaptions().showTitleScreen();
    const QAction *hide = m_window->menuCaptions().hideTitleScreen();
    if (show->isChecked() == state.hideTitleScreen || show->isEnabled() != state.hideTitleScreen
        || hide->isChecked() != state.hideTitleScreen || hide->isEnabled() == state.hideTitleScreen)
        found.append(u"the title-screen options disagree with hideTitleScreen %1"_s.arg(
            state.hideTitleScreen));
    const QString sounds = m_window->menuCaptions().sounds()->text();
    if (sounds != (state.soundsOff ? u"&Turn On Sounds"_s : u"&Turn Off Sounds"_s))
        found.append(
            u"the sound item reads '%1' with soundsOff %2"_s.arg(sounds).arg(state.soundsOff));

    // The list in play is named in the title and on the menu alike.
    const QString prefix = u"Wordrow - by Quilbyte:  "_s;
    const QString title = m_window->windowTitle();
    const QString current = m_window->menuCaptions().currentList()->text();
    if (!title.startsWith(prefix)
        || current != u"(Currently: "_s + title.mid(prefix.size()).replace(u'&', u"&&"_s) + u')')
        found.append(
            u"the title '%1' and the menu's '%2' name different lists"_s.arg(title, current));
}

void Monkey::problemsOfEditor(QStringList &found) const
{
    WordListEditorDialog *editor = m_window->wordListEditor();
    if (!editor)
        return;
    const WordListEditor &model = editor->editor();
    QStringList shown;
    for (int i = 0; i < editor->findChild<QListWidget *>(u"lstWords"_s)->count(); ++i)
        shown.append(editor->findChild<QListWidget *>(u"lstWords"_s)->item(i)->text());
    if (shown != model.entries())
        found.append(u"the editor shows %1 but holds %2"_s.arg(
            shown.join(u','), model.entries().join(u',')));
    if (editor->findChild<QPushButton *>(u"cmdSave"_s)->isEnabled()
        != (model.entries().size() >= WordListEditor::MinSavedEntries))
        found.append(
            u"the editor's Save is %1 with %2 entries"_s
                .arg(editor->findChild<QPushButton *>(u"cmdSave"_s)->isEnabled() ? u"enabled"_s
                                                                                 : u"disabled"_s)
                .arg(model.entries().size()));
    if (editor->findChild<QPushButton *>(u"cmdDelete"_s)->isEnabled() == model.entries().isEmpty())
        found.append(
            u"the editor's Remove is %1 with %2 entries"_s
                .arg(editor->findChild<QPushButton *>(u"cmdDelete"_s)->isEnabled() ? u"enabled"_s
                                                                                   : u"disabled"_s)
                .arg(model.entries().size()));
    if (editor->findChild<QLineEdit *>(u"txtWord"_s)->text().left(WordListEditor::MaxWordLength)
        != model.typed())
        found.append(u"the editor shows '%1' typed but holds '%2'"_s.arg(
            editor->findChild<QLineEdit *>(u"txtWord"_s)->text(), model.typed()));
    for (const QString &entry : model.entries()) {
        if (!WordListEditor::acceptedWord(entry) || entry != entry.toUpper())
            found.append(u"the editor took the entry '%1'"_s.arg(entry));
    }
}
