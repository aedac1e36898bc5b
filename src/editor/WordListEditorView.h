#pragma once

#include <QString>

// The word-list editor's window as its rules see it: it shows what it is told and hands the
// player's typing, clicks and choices back to WordListEditor.
class WordListEditorView
{
public:
    virtual ~WordListEditorView() = default;

    virtual void appendEntry(const QString &entry) = 0;
    // Afterwards no entry is selected.
    virtual void removeEntry(int index) = 0;
    virtual void setTypedWord(const QString &text) = 0;
    // Selects the whole typed word, so the next keystroke replaces it.
    virtual void selectTypedWord() = 0;
    virtual void focusTypedWord() = 0;
    virtual void setRemoveEnabled(bool enabled) = 0;
    virtual void setSaveEnabled(bool enabled) = 0;
    // The selected entry's sentence, and whether there is an entry selected to give one to.
    virtual void showSentence(const QString &sentence, bool editable) = 0;
    // A word on the sentence typed: why it was not kept, or that it lacks its word; empty for
    // none.
    virtual void showSentenceNote(const QString &note) = 0;
    // Asks the window to close; it runs WordListEditor::confirmClose first, which may keep it open.
    virtual void requestClose() = 0;
};
