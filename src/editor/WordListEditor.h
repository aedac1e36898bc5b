#pragma once

#include "core/Sentences.h"
#include "platform/Services.h"
#include "sound/SoundPlayback.h"
#include "wordlists/ImportedWord.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class MenuCaptions;
class GameState;
class WordListEditorView;

// The rules of the word-list editor: the word check, the entries in the order typed, which
// buttons may be used, and the save that can put the new list in play and make it the start-up
// list. One model per opening of the editor.
class WordListEditor
{
public:
    static constexpr int MaxWordLength = 15;
    // Fewer words than this make no game worth saving.
    static constexpr int MinSavedEntries = 4;

    WordListEditor(GameState &state, WordListEditorView &view, MenuCaptions &captions,
        const Services &services);

    // What the player does in the window.
    void setTyped(const QString &text);
    void setSelection(std::optional<int> index);
    void setLoadNow(bool yes) { m_loadNow = yes; }
    void setMakeStartup(bool yes) { m_makeStartup = yes; }
    void addWord();
    // Text pasted into the word box. A list (several lines, or words separated by commas,
    // semicolons or tabs) adds each word as if typed and added one by one, and one message says
    // what came of it; anything else is left for the box to paste, and false says so.
    bool pasteText(const QString &text);
    // "Import...": a file chosen in the open dialog, read as a list.
    void importList();
    // A file dropped on the window, or chosen: its words are added as a paste's are. A file that
    // cannot be read as a list gets one message and changes nothing.
    void importFile(const QString &path);
    // The sentence box, when the player leaves it or presses Enter: the selected entry's
    // sentence, or none when empty. One that cannot be kept is left out and the box says why.
    void setSentence(const QString &text);
    void removeSelected();
    void saveList();
    // "Publish to Class...", on a computer with a teacher's service: hands the words and their
    // sentences (one an entry, empty for none) on, when there are enough to save.
    using Publish = std::function<void(const QStringList &words, const QStringList &sentences)>;
    void setPublish(Publish publish) { m_publish = std::move(publish); }
    void publishList();
    void requestExit();
    // A click on any of the four Yes/No choices sends the player back to typing.
    void choiceClicked() { focusTypedWord(); }
    // Asked on any request to close the window; false keeps it open.
    bool confirmClose();

    const QStringList &entries() const { return m_entries; }
    std::optional<int> selection() const { return m_selection; }
    // The entries' sentences, by entry; an empty one for none.
    const QStringList &sentences() const { return m_sentences; }
    const QString &typed() const { return m_typed; }
    bool loadNow() const { return m_loadNow; }
    bool makeStartup() const { return m_makeStartup; }
    bool removeEnabled() const { return m_removeEnabled; }
    bool saveEnabled() const { return m_saveEnabled; }
    bool listSaved() const { return m_listSaved; }

    // The typed text as an entry: upper case, 1 to 15 characters of the guessable set.
    static std::optional<QString> acceptedWord(const QString &typed);
    // ".wdr" appended unless the name already ends in it, in any letter case.
    static QString withListSuffix(const QString &path);

private:
    enum class SaveEnd { Completed, Stopped, NameTaken };

    SaveEnd save();
    bool writeList(const QString &path);
    Sentences sentencesByWord() const;
    void showSelectedSentence();
    // Why the sentence is not kept, or that it does not hold its word; empty when all is well.
    static QString sentenceNote(const QString &word, const QString &sentence);
    bool loadList(const QString &path);
    bool makeStartupList(const QString &path);
    void addImported(const ImportedWords &words, const QString &title);
    void setButtonStates();
    void focusTypedWord();

    GameState &m_state;
    WordListEditorView &m_view;
    MenuCaptions &m_captions;
    Services m_services;
    SoundPlayback m_sound;

    QStringList m_entries;
    // One for each entry, in step with m_entries.
    QStringList m_sentences;
    std::optional<int> m_selection;
    QString m_typed;
    bool m_loadNow = false;
    bool m_makeStartup = false;
    bool m_removeEnabled = false;
    bool m_saveEnabled = false;
    bool m_listSaved = false;
    Publish m_publish;
};
