#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class GameState;
class MainWindow;

// Follows the round from the clicks the main window's buttons report, on its own reckoning of
// the rules, and compares the game's state and screen with it.
class RoundWatcher
{
public:
    // Starts watching a freshly loaded main window: no round has begun.
    void attach(MainWindow &window, const GameState &state);
    void detach();

    // What disagrees, one line each; empty when all is well.
    QStringList problems() const;

    long long rounds() const { return m_rounds; }
    long long wins() const { return m_wins; }
    long long losses() const { return m_losses; }

private:
    void started();
    void guessed(int index);
    int right() const;
    int wrong() const;
    bool won() const;
    bool lost() const { return wrong() > 5; }
    void problemsOfLetters(QStringList &found) const;
    void problemsOfSlots(QStringList &found) const;

    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
    MainWindow *m_window = nullptr;
    const GameState *m_state = nullptr;
    bool m_running = false;
    QString m_word;
    std::array<bool, 28> m_guessed{};
    QStringList m_ownProblems;
    long long m_rounds = 0;
    long long m_wins = 0;
    long long m_losses = 0;
};
