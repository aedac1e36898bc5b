#pragma once

#include "core/PictureSet.h"

#include <QMainWindow>

class QAction;
class QListWidget;
class QSplitter;
class QTextBrowser;
class QUrl;

// The instruction manual: its section titles as bookmarks at the left, the whole manual at the
// right. A window of its own beside the game; it deletes itself when closed.
class ManualWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QStringView Resource = u":/manual/manual.html";

    // The manual tells of the pictures in play.
    explicit ManualWindow(
        PictureSet::Set pictures = PictureSet::Set::Gallows, QWidget *parent = nullptr);

    // The section anchors, in the order of the bookmarks.
    QStringList anchors() const { return m_anchors; }

    // The controls, for tests.
    QListWidget *bookmarks() const { return m_bookmarks; }
    QTextBrowser *text() const { return m_text; }
    QSplitter *splitter() const { return m_splitter; }
    QAction *closeAction() const { return m_closeAction; }
    // Null where the program was built without printing.
    QAction *printAction() const { return m_printAction; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createMenus();
    void createControls();
    void loadManual(PictureSet::Set pictures);
    void fitBookmarks();
    void showSection(int row);
    void followLink(const QUrl &link);
#ifdef WORDROW_PRINTING
    void printManual();
#endif

    QStringList m_anchors;
    // The bookmarks' width the player would like, where the window has room for it.
    int m_bookmarksWidth = 0;

    QSplitter *m_splitter = nullptr;
    QListWidget *m_bookmarks = nullptr;
    QTextBrowser *m_text = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_printAction = nullptr;
};
