#pragma once

#include "editor/WordListEditor.h"
#include "editor/WordListEditorView.h"

#include <QStringList>

// The editor's window as a record of what it was told. A close request runs the model's closing
// steps, as the real window's close event does.
class FakeWordListEditorView final : public WordListEditorView
{
public:
    void appendEntry(const QString &entry) override { shownEntries.append(entry); }
    void removeEntry(int index) override { shownEntries.removeAt(index); }
    void setTypedWord(const QString &text) override
    {
        typed = text;
        typedSelected = false;
        // The real text box reports every change of its text back.
        model->setTyped(text);
    }
    void selectTypedWord() override { typedSelected = true; }
    void focusTypedWord() override { ++typedFocused; }
    void setRemoveEnabled(bool enabled) override { removeEnabled = enabled; }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void showSentence(const QString &text, bool editable) override
    {
        sentence = text;
        sentenceEditable = editable;
    }
    void showSentenceNote(const QString &note) override { sentenceNote = note; }
    void requestClose() override { closed = model->confirmClose(); }

    // What the player types before pressing Enter.
    void type(const QString &text)
    {
        typed = text;
        model->setTyped(text);
    }

    WordListEditor *model = nullptr;
    QStringList shownEntries;
    QString typed;
    bool typedSelected = false;
    int typedFocused = 0;
    bool removeEnabled = false;
    bool saveEnabled = false;
    bool closed = false;
    QString sentence;
    bool sentenceEditable = false;
    QString sentenceNote;
};
