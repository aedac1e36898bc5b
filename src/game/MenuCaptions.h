#pragma once

#include <QObject>
#include <QString>

class QAction;

// What the main window's title and File menu say about the lists, the title screen and the
// sounds. Start-up, the File menu's commands, the word-list editor and the title screen all
// change them; it owns the File menu's items that show them, and the window places those.
class MenuCaptions : public QObject
{
    Q_OBJECT

public:
    explicit MenuCaptions(QObject *parent = nullptr);

    static QString windowTitle(const QString &listName);
    static QString currentlyCaption(const QString &listName);

    // The list in play, in the window's title and under "Load Another List...".
    void showListInPlay(const QString &listName);
    // The same, with a word on why it is in play after the title: "(this week's class list)".
    void showListInPlay(const QString &listName, const QString &note);
    QString title() const { return m_title; }
    // The item of the setting in force is checked and disabled, the other one offered.
    void showTitleScreenOption(bool hideTitleScreen);
    // Names the start-up list as the settings file now gives it.
    void showStartupList(const QString &homeDir);
    void setStartupListCaption(const QString &listName);
    void showSoundsOff(bool off);

    QAction *currentList() const { return m_currentList; }
    QAction *startupList() const { return m_startupList; }
    QAction *showTitleScreen() const { return m_showTitleScreen; }
    QAction *hideTitleScreen() const { return m_hideTitleScreen; }
    QAction *sounds() const { return m_sounds; }

Q_SIGNALS:
    // The list in play changed, named by its path or as the title names it: the window shows the
    // title, and the practice record keeps the list of each round.
    void listInPlayChanged(const QString &listName);
    void titleChanged(const QString &title);

private:
    QAction *m_currentList;
    QAction *m_startupList;
    QAction *m_showTitleScreen;
    QAction *m_hideTitleScreen;
    QAction *m_sounds;
    QString m_title;
};
