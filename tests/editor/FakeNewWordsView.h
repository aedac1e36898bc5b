#pragma once

#include "NewWordsModel.h"
#include "NewWordsView.h"

#include <QStringList>

// The editor's window as a record of what it was told. A close request runs the model's closing
// steps, as the real window's close event does.
class FakeNewWordsView final : public NewWordsView
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
    void requestClose() override
    {
        bool cancel = false;
        model->Form_Unload(cancel);
        closed = !cancel;
    }

    // What the player types before pressing Enter.
    void type(const QString &text)
    {
        typed = text;
        model->setTyped(text);
    }

    NewWordsModel *model = nullptr;
    QStringList shownEntries;
    QString typed;
    bool typedSelected = false;
    int typedFocused = 0;
    bool removeEnabled = false;
    bool saveEnabled = false;
    bool closed = false;
};
