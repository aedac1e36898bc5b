#pragma once

#include "windows/HelpTopics.h"
#include "windows/HelpTopicsView.h"

#include <QMainWindow>

class GameState;
class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class SoundPlayer;

// The help window: the topic titles at the left, the chosen topic's text at the right. A window
// of its own with a task-bar entry, beside the game; it deletes itself when closed.
class HelpTopicsWindow : public QMainWindow, public HelpTopicsView
{
    Q_OBJECT

public:
    // How far titles may be condensed, in percent of their normal width.
    static constexpr int MinimumTitleStretch = 75;

    HelpTopicsWindow(GameState &state, SoundPlayer &player, QWidget *parent = nullptr);

    // HelpTopicsView
    void addTitle(const QString &title) override;
    void selectPosition(int position) override;
    void setHeading(const QString &heading) override;
    void setDescription(const QString &text) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void fitTitles();
    void passOnSelection();

    HelpTopics m_topics;
    bool m_unloaded = false;

    QWidget *m_inner = nullptr;
    QLabel *m_contentsLabel = nullptr;
    QListWidget *m_contents = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_headingLabel = nullptr;
    QLabel *m_margin = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QAction *m_closeAction = nullptr;
};
