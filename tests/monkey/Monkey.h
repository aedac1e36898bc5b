#pragma once

#include "monkey/MonkeyFileDialogs.h"
#include "monkey/MonkeyMessageBoxes.h"
#include "monkey/RoundWatcher.h"
#include "monkey/SeededRandom.h"
#include "support/FakeFileSystem.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempDir.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <random>
#include <vector>

class MainWindow;
class GameState;
class QAction;
class QListWidget;
class QWidget;

// The whole program in a home folder of its own, driven by random clicks and keys on whatever
// window is up, with every box and file dialog answered at random. One seed replays a run
// exactly. After each action it checks what must always hold.
class Monkey
{
public:
    explicit Monkey(quint64 seed);
    ~Monkey();

    // Runs the actions one after another; stops at the first problem found. Returns the problems
    // of that action, each naming the seed and the action.
    QStringList run(long long actions);

    // How often each kind of action ran, one line each.
    QStringList counts() const;
    const RoundWatcher &rounds() const { return m_watcher; }
    bool everyKindRan() const;

private:
    enum class Where { Main, Editor, TitleScreen, Topics, About, Manual, Anywhere };
    struct Action
    {
        QString name;
        int weight;
        Where where;
        std::function<void()> perform;
        long long count = 0;
    };

    void addActions();
    void addMainActions();
    void addEditorActions();
    void addTitleScreenActions();
    void addHelpActions();
    bool isUp(Where where) const;
    Action &pick();

    // The program's life.
    void start();
    void restart();

    // Input, as a player gives it.
    void activate(QWidget *window);
    void clickAt(QWidget *target, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void click(QWidget *target);
    void clickRow(QListWidget *list, Qt::KeyboardModifiers modifiers = {});
    void clickBackground(QWidget *window);
    void key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void type(QWidget *window, const QString &text);
    void closeBox(QWidget *window);
    void chooseMenu(QWidget *window, QAction *action);
    void chooseMenu(const QString &text);
    QString someWord();
    QString someText();

    // Checks.
    void settle();
    QStringList problems() const;
    void problemsOfWindows(QStringList &found) const;
    void problemsOfMenus(QStringList &found) const;
    void problemsOfEditor(QStringList &found) const;

    // A window shrunk to a sliver leaves some widgets with no width or height.
    int below(int count) { return count > 0 ? int(m_engine() % unsigned(count)) : 0; }
    bool chance(int percent) { return below(100) < percent; }

    quint64 m_seed;
    std::mt19937_64 m_engine;
    TempDir m_dir;
    MonkeyMessageBoxes m_messages{m_engine};
    MonkeyFileDialogs m_dialogs{m_engine, m_dir.path()};
    FakeFileSystem m_files{m_dir.path()};
    RecordingSoundPlayer m_player;
    SeededRandom m_random{m_engine};
    FakeSpeaker m_speaker;
    std::unique_ptr<GameState> m_state;
    std::unique_ptr<MainWindow> m_window;
    RoundWatcher m_watcher;
    std::vector<Action> m_actions;
    QStringList m_restartProblems;
    long long m_starts = 0;
};
