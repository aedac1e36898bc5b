#pragma once

#include "TopicsModel.h"
#include "TopicsView.h"

#include <QMainWindow>

class Module1;
class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class SoundPlayer;

// The help window: the topic titles at the left, the chosen topic's text at the right. A window
// of its own with a task-bar entry, beside the game; it deletes itself when closed.
class frmTopics : public QMainWindow, public TopicsView
{
public:
    // How far titles may be condensed, in percent of their normal width.
    static constexpr int MinimumTitleStretch = 75;

    frmTopics(Module1 &state, SoundPlayer &player, QWidget *parent = nullptr);

    // The controls, for tests.
    QLabel *lblContents() const { return m_lblContents; }
    QListWidget *lstContents() const { return m_lstContents; }
    QLabel *lblTitle() const { return m_lblTitle; }
    QLabel *lblHeading() const { return m_lblHeading; }
    QLabel *lblMargin() const { return m_lblMargin; }
    QPlainTextEdit *txtDescription() const { return m_txtDescription; }
    QAction *mnuClose() const { return m_mnuClose; }

    // TopicsView
    void addTitle(const QString &title) override;
    void selectPosition(int position) override;
    void setHeading(const QString &heading) override;
    void setDescription(const QString &text) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Resize();
    void fitTitles();
    void passOnSelection();

    TopicsModel m_model;
    bool m_unloaded = false;

    QWidget *m_client = nullptr;
    QLabel *m_lblContents = nullptr;
    QListWidget *m_lstContents = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblHeading = nullptr;
    QLabel *m_lblMargin = nullptr;
    QPlainTextEdit *m_txtDescription = nullptr;
    QAction *m_mnuClose = nullptr;
};
