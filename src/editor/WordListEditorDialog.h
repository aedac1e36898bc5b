#pragma once

#include "editor/WordListEditor.h"
#include "editor/WordListEditorView.h"

#include <QDialog>

class MenuCaptions;
class GameState;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct Services;

// The word-list editor: a small fixed window beside the game in which the player types words,
// collects them in a list and saves it. WordListEditor decides; this window shows and passes on.
class WordListEditorDialog : public QDialog, public WordListEditorView
{
    Q_OBJECT

public:
    WordListEditorDialog(GameState &state, const Services &services, MenuCaptions &captions,
        QWidget *parent = nullptr);

    const WordListEditor &editor() const { return m_editor; }
    // Shows "Publish to Class...", which hands the list to publish on.
    void setPublish(WordListEditor::Publish publish);

    // WordListEditorView
    void appendEntry(const QString &entry) override;
    void removeEntry(int index) override;
    void setTypedWord(const QString &text) override;
    void selectTypedWord() override;
    void focusTypedWord() override;
    void setRemoveEnabled(bool enabled) override;
    void setSaveEnabled(bool enabled) override;
    void showSentence(const QString &sentence, bool editable) override;
    void showSentenceNote(const QString &note) override;
    void requestClose() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // A file dropped anywhere on the window is imported; text goes to the word box as a paste.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Catches pastes into the word box, which would cut a list down to one word.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape asks to close like the close box, rather than hiding the window unasked.
    void reject() override;

private:
    void createControls();
    void createChoices();
    void createSentenceBox();
    void setTabOrder();
    void connectControls();
    void passOnSelection();
    // Hands a list to the editor; false when the text is one word for the box to paste itself.
    bool pasteIntoWordBox(const QString &text);

    WordListEditor m_editor;

    QLabel *m_wordLabel = nullptr;
    QLineEdit *m_wordEdit = nullptr;
    QLabel *m_arrowLabel = nullptr;
    QLabel *m_listLabel = nullptr;
    QListWidget *m_wordList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_publishButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QLabel *m_sentenceLabel = nullptr;
    QLineEdit *m_sentenceEdit = nullptr;
    QLabel *m_sentenceNote = nullptr;
    QFrame *m_startupChoice = nullptr;
    QLabel *m_startupQuestion = nullptr;
    QRadioButton *m_startupYes = nullptr;
    QRadioButton *m_startupNo = nullptr;
    QFrame *m_loadChoice = nullptr;
    QLabel *m_loadQuestion = nullptr;
    QRadioButton *m_loadYes = nullptr;
    QRadioButton *m_loadNo = nullptr;
};
