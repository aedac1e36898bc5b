#pragma once

#include "Platform.h"
#include "SoundPlayback.h"

#include <QString>
#include <QStringList>

#include <optional>

class MainWindowView;
class Module1;
class NewWordsView;

// The rules of the word-list editor: the word check, the entries in the order typed, which
// buttons may be used, and the save that can put the new list in play and make it the start-up
// list. One model per opening of the editor.
class NewWordsModel
{
public:
    static constexpr int MaxWordLength = 15;
    // Fewer words than this make no game worth saving.
    static constexpr int MinSavedEntries = 4;

    NewWordsModel(
        Module1 &state, NewWordsView &view, MainWindowView &mainWindow, const Platform &platform);

    // What the player does in the window.
    void setTyped(const QString &text);
    void setSelection(std::optional<int> index);
    void setLoadNow(bool yes) { m_loadNow = yes; }
    void setMakeStartup(bool yes) { m_makeStartup = yes; }
    void cmdEnter_Click();
    void cmdDelete_Click();
    void cmdSave_Click();
    void cmdExit_Click();
    void optNewYes_Click() { focusTypedWord(); }
    void optNewNo_Click() { focusTypedWord(); }
    void optDefaultYes_Click() { focusTypedWord(); }
    void optDefaultNo_Click() { focusTypedWord(); }
    // Any request to close the window; Cancel keeps it open.
    void Form_Unload(bool &Cancel);

    const QStringList &entries() const { return m_entries; }
    std::optional<int> selection() const { return m_selection; }
    const QString &typed() const { return m_typed; }
    bool loadNow() const { return m_loadNow; }
    bool makeStartup() const { return m_makeStartup; }
    bool removeEnabled() const { return m_removeEnabled; }
    bool saveEnabled() const { return m_saveEnabled; }
    bool blnListSaved() const { return m_blnListSaved; }

    // The typed text as an entry: upper case, 1 to 15 characters of the guessable set.
    static std::optional<QString> acceptedWord(const QString &typed);
    // ".wdr" appended unless the name already ends in it, in any letter case.
    static QString withListSuffix(const QString &path);

private:
    enum class SaveEnd { Completed, Stopped, NameTaken };

    SaveEnd save();
    bool writeList(const QString &path);
    bool loadList(const QString &path);
    bool makeStartupList(const QString &path);
    void setButtonStates();
    void focusTypedWord();

    Module1 &m_state;
    NewWordsView &m_view;
    MainWindowView &m_mainWindow;
    Platform m_platform;
    SoundPlayback m_sound;

    QStringList m_entries;
    std::optional<int> m_selection;
    QString m_typed;
    bool m_loadNow = false;
    bool m_makeStartup = false;
    bool m_removeEnabled = false;
    bool m_saveEnabled = false;
    bool m_blnListSaved = false;
};
