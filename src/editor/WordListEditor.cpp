#include "editor/WordListEditor.h"

#include "core/GameState.h"
#include "editor/WordListEditorView.h"
#include "game/GameRound.h"
#include "game/MenuCaptions.h"
#include "game/WordCheck.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "wordlists/ListImport.h"
#include "wordlists/PlainTextReader.h"
#include "wordlists/SentenceFile.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Icon = MessageBoxes::Icon;

constexpr QStringView SaveTitle = u"Save List";
constexpr QStringView ImportTitle = u"Import Word List";
// A message box can hold only so many lines; the rest are counted.
constexpr int MaxReportedLines = 20;
// Text quoted in a report is cut to this length, so a line of garbage stays one line.
constexpr int MaxQuotedLength = 30;

QString quoted(const QString &text)
{
    const QString shown
        = text.size() > MaxQuotedLength ? text.left(MaxQuotedLength - 1) + QChar(0x2026) : text;
    return u'"' + shown + u'"';
}

QString addedCount(int added)
{
    if (added == 0)
        return u"No words were added to the list."_s;
    if (added == 1)
        return u"1 word was added to the list."_s;
    return u"%1 words were added to the list."_s.arg(added);
}

QString sentenceCount(int sentences)
{
    if (sentences == 0)
        return QString();
    if (sentences == 1)
        return u" 1 sentence came with them."_s;
    return u" %1 sentences came with them."_s.arg(sentences);
}

// Pasted lines of "word<TAB>sentence", as a table copied from a spreadsheet holds them; nullopt
// when any line is something else, which leaves the text to be pasted as a list.
std::optional<ImportedWords> sentencePairs(const QString &text)
{
    ImportedWords pairs;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        const QString sentence = line.sliced(tab + 1).trimmed();
        // A second word on the line is more of a list: a sentence has spaces.
        if (tab <= 0 || sentence.contains(u'\t') || !sentence.contains(u' '))
            return std::nullopt;
        pairs.append({line.first(tab).trimmed(), int(i + 1), sentence});
    }
    if (pairs.isEmpty())
        return std::nullopt;
    return pairs;
}

} // namespace

WordListEditor::WordListEditor(
    GameState &state, WordListEditorView &view, MenuCaptions &captions, const Services &services)
    : m_state(state)
    , m_view(view)
    , m_captions(captions)
    , m_services(services)
    , m_sound(state, services.player)
{
}

std::optional<QString> WordListEditor::acceptedWord(const QString &typed)
{
    return WordCheck::accepted(typed);
}

QString WordListEditor::withListSuffix(const QString &path)
{
    // Load offers only .wdr files, so a list saved as "week.1" could never be loaded again.
    return path.endsWith(u".wdr"_s, Qt::CaseInsensitive) ? path : path + u".wdr"_s;
}

void WordListEditor::setTyped(const QString &text)
{
    m_typed = text.left(MaxWordLength);
}

void WordListEditor::setSelection(std::optional<int> index)
{
    const bool valid = index && *index >= 0 && *index < m_entries.size();
    m_selection = valid ? index : std::nullopt;
    showSelectedSentence();
}

void WordListEditor::addWord()
{
    if (m_typed.isEmpty()) {
        focusTypedWord();
        return;
    }
    if (const std::optional<QString> word = acceptedWord(m_typed)) {
        m_entries.append(*word);
        m_sentences.append(QString());
        // The entries on disk, if any, no longer match them.
        m_listSaved = false;
        m_view.appendEntry(*word);
        m_typed.clear();
        m_view.setTypedWord(QString());
    } else {
        m_services.messages.inform(
            u"The word must contain only letters, apostrophes ('), or hyphens (-)"_s, u"Reminder"_s,
            Icon::Information);
        m_view.selectTypedWord();
    }
    setButtonStates();
    focusTypedWord();
}

bool WordListEditor::pasteText(const QString &text)
{
    if (const std::optional<ImportedWords> pairs = sentencePairs(text)) {
        addImported(*pairs, u"Paste"_s);
        return true;
    }
    if (!PlainTextReader::isList(text))
        return false;
    addImported(PlainTextReader::read(text), u"Paste"_s);
    return true;
}

void WordListEditor::importList()
{
    FileDialogs::Options options;
    options.title = ImportTitle.toString();
    options.nameFilters = ListImport::nameFilters();
    options.startFolder = m_state.homeDir;
    options.fileMustExist = true;
    const std::optional<QString> chosen = m_services.dialogs.getOpenFileName(options);
    if (chosen && !chosen->isEmpty())
        importFile(*chosen);
    else
        focusTypedWord();
}

void WordListEditor::importFile(const QString &path)
{
    using Status = ListImport::Result::Status;
    const ListImport::Result result = ListImport::readFile(path);
    const QString name = QFileInfo(path).fileName();
    QString problem;
    switch (result.status) {
    case Status::Read:
        addImported(result.words, ImportTitle.toString());
        return;
    case Status::TooLarge:
        problem = name + u" is larger than 1 MB, far too large for a word list."_s;
        break;
    case Status::Unreadable:
        problem = u"Wordrow could not read "_s + path + u"."_s;
        break;
    case Status::NotAList:
        problem = name
            + u" is not a word list Wordrow can read: a text or CSV file, a KVTML vocabulary file "
              u"or a Wordrow list (.wdr)."_s;
        break;
    case Status::NoWords:
        problem = name + u" holds no words."_s;
        break;
    }
    m_services.messages.inform(
        problem + u"  Nothing was imported."_s, ImportTitle.toString(), Icon::Information);
    focusTypedWord();
}

void WordListEditor::addImported(const ImportedWords &words, const QString &title)
{
    // Duplicates are dropped without regard to letter case: the entries are upper case already.
    QSet<QString> listed(m_entries.cbegin(), m_entries.cend());
    int added = 0;
    int withSentence = 0;
    QStringList leftOut;
    QStringList lackingWord;
    for (const ImportedWord &word : words) {
        const std::optional<QString> accepted = acceptedWord(word.text);
        const QString upper = accepted.value_or(word.text.toUpper());
        QString reason;
        if (upper.size() > MaxWordLength)
            reason = u"is longer than %1 characters."_s.arg(MaxWordLength);
        else if (!accepted)
            reason = u"may contain only letters, apostrophes (') and hyphens (-)."_s;
        else if (listed.contains(upper))
            reason = u"is already in the list."_s;
        else if (m_entries.size() >= WordListFile::MaxWords)
            reason = u"does not fit: a list holds at most %1 words."_s.arg(WordListFile::MaxWords);
        if (!reason.isEmpty()) {
            leftOut.append(u"Line %1: %2 %3"_s.arg(word.line).arg(quoted(word.text), reason));
            continue;
        }
        listed.insert(upper);
        m_entries.append(upper);
        m_view.appendEntry(upper);
        ++added;
        const QString sentence = word.sentence.trimmed();
        const Sentences::Check check = Sentences::check(upper, sentence);
        if (Sentences::isKeepable(check)) {
            ++withSentence;
            if (check == Sentences::Check::LacksWord)
                lackingWord.append(u"Line %1: %2"_s.arg(word.line).arg(upper));
        } else if (check != Sentences::Check::Empty) {
            leftOut.append(u"Line %1: the sentence of %2 %3"_s.arg(word.line).arg(
                upper, sentenceNote(upper, sentence).section(u": "_s, 1)));
        }
        m_sentences.append(Sentences::isKeepable(check) ? sentence : QString());
    }
    if (added > 0)
        m_listSaved = false;
    setButtonStates();

    QString report = addedCount(added) + sentenceCount(withSentence);
    if (!lackingWord.isEmpty()) {
        report += u"\n\nThese sentences do not contain their word:\n"_s
            + lackingWord.mid(0, MaxReportedLines).join(u'\n');
        if (lackingWord.size() > MaxReportedLines)
            report += u"\n... and %1 more."_s.arg(lackingWord.size() - MaxReportedLines);
    }
    if (!leftOut.isEmpty()) {
        report += u"\n\nLeft out:\n"_s + leftOut.mid(0, MaxReportedLines).join(u'\n');
        if (leftOut.size() > MaxReportedLines)
            report += u"\n... and %1 more."_s.arg(leftOut.size() - MaxReportedLines);
    }
    m_services.messages.inform(report, title, Icon::Information);
    focusTypedWord();
}

void WordListEditor::setSentence(const QString &text)
{
    if (!m_selection)
        return;
    const int index = *m_selection;
    const QString sentence = text.trimmed();
    const QString note = sentenceNote(m_entries[index], sentence);
    m_view.showSentenceNote(note);
    if (!Sentences::isKeepable(Sentences::check(m_entries[index], sentence)) && !sentence.isEmpty())
        return;
    if (m_sentences[index] != sentence) {
        m_sentences[index] = sentence;
        m_listSaved = false;
    }
}

QString WordListEditor::sentenceNote(const QString &word, const QString &sentence)
{
    switch (Sentences::check(word, sentence)) {
    case Sentences::Check::Fine:
    case Sentences::Check::Empty:
        return QString();
    case Sentences::Check::TooLong:
        return u"Not kept: is longer than %1 characters."_s.arg(Sentences::MaxLength);
    case Sentences::Check::ControlCharacter:
        return u"Not kept: holds a tab, a line break or another control character."_s;
    case Sentences::Check::LacksWord:
        return u"Kept, but it does not contain the word %1, so it tells no other word apart."_s.arg(
            word);
    }
    return QString();
}

void WordListEditor::showSelectedSentence()
{
    m_view.showSentence(
        m_selection ? m_sentences[*m_selection] : QString(), m_selection.has_value());
    m_view.showSentenceNote(
        m_selection ? sentenceNote(m_entries[*m_selection], m_sentences[*m_selection]) : QString());
}

Sentences WordListEditor::sentencesByWord() const
{
    Sentences sentences;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        // A word listed twice keeps the sentence it was given first.
        if (sentences.of(m_entries[i]).isEmpty())
            sentences.set(m_entries[i], m_sentences[i]);
    }
    return sentences;
}

void WordListEditor::removeSelected()
{
    if (m_selection) {
        const int index = *m_selection;
        m_entries.removeAt(index);
        m_sentences.removeAt(index);
        m_selection.reset();
        m_listSaved = false;
        m_view.removeEntry(index);
        showSelectedSentence();
    }
    setButtonStates();
    focusTypedWord();
}

void WordListEditor::setButtonStates()
{
    m_saveEnabled = m_entries.size() >= MinSavedEntries;
    m_removeEnabled = !m_entries.isEmpty();
    m_view.setSaveEnabled(m_saveEnabled);
    m_view.setRemoveEnabled(m_removeEnabled);
}

void WordListEditor::saveList()
{
    m_listSaved = false;
    if (m_entries.size() < MinSavedEntries) {
        focusTypedWord();
        return;
    }
    switch (save()) {
    case SaveEnd::Completed:
        m_view.requestClose();
        break;
    case SaveEnd::Stopped:
        focusTypedWord();
        break;
    case SaveEnd::NameTaken:
        // The player may choose another name at once: the focus stays where it was.
        break;
    }
}

void WordListEditor::publishList()
{
    if (m_publish && m_entries.size() >= MinSavedEntries)
        m_publish(m_entries, m_sentences);
    focusTypedWord();
}

WordListEditor::SaveEnd WordListEditor::save()
{
    const QString &home = m_state.homeDir;
    FileDialogs::Options options;
    options.title = u"File Save As"_s;
    options.nameFilters = {WordListFile::NameFilter.toString()};
    options.startFolder = home;
    options.confirmOverwrite = true;
    options.defaultSuffix = u"wdr"_s;
    const std::optional<QString> chosen = m_services.dialogs.getSaveFileName(options);
    if (!chosen || chosen->isEmpty())
        return SaveEnd::Stopped;
    // Every path below is absolute, so a home directory that has gone away stops nothing.
    const QString path = withListSuffix(QDir(home).absoluteFilePath(*chosen));

    // The editor never replaces a file, whatever the dialog asked.
    if (m_services.files.existsIgnoringCase(path)) {
        m_services.messages.inform(u"The filename already exists.  Please choose another name."_s,
            u"Choose New Filename"_s, Icon::None);
        return SaveEnd::NameTaken;
    }
    if (!writeList(path))
        return SaveEnd::Stopped;
    // The list is on disk from here on: leaving now must not ask about losing it.
    m_listSaved = true;
    if (m_loadNow && !loadList(path))
        return SaveEnd::Stopped;
    if (m_makeStartup && !makeStartupList(path))
        return SaveEnd::Stopped;
    return SaveEnd::Completed;
}

bool WordListEditor::writeList(const QString &path)
{
    if (WordListFile::write(path, m_entries)) {
        if (SentenceFile::write(path, m_entries, sentencesByWord()))
            return true;
        m_services.messages.inform(u"The list was saved as "_s + path
                + u", but Wordrow could not save its sentences beside it.  Your words and "
                  u"sentences are still here, so you can try another name or folder."_s,
            SaveTitle.toString(), Icon::Information);
        return false;
    }
    m_services.messages.inform(u"Wordrow could not save the list as "_s + path
            + u".  Your words are still here, so you can try another name or folder."_s,
        SaveTitle.toString(), Icon::Information);
    return false;
}

bool WordListEditor::loadList(const QString &path)
{
    WordListFile::LoadResult loaded = WordListFile::load(path);
    if (!loaded.isLoaded()) {
        m_services.messages.inform(u"The list was saved as "_s + path
                + u", but Wordrow could not load it.  The list in play stays as it was."_s,
            SaveTitle.toString(), Icon::Information);
        return false;
    }
    m_state.words = std::move(loaded.words);
    m_state.sentences = std::move(loaded.sentences);
    m_captions.showListInPlay(path);
    return true;
}

bool WordListEditor::makeStartupList(const QString &path)
{
    if (!SettingsFile::writeStartupList(m_state.homeDir, path, m_state.hideTitleScreen)) {
        m_services.messages.inform(u"The list was saved as "_s + path
                + u", but Wordrow could not make it the startup list.  You can choose it later "
                  u"with Set Startup Wordlist on the File menu."_s,
            SaveTitle.toString(), Icon::Information);
        return false;
    }
    m_captions.setStartupListCaption(path);
    return true;
}

void WordListEditor::requestExit()
{
    m_view.requestClose();
}

bool WordListEditor::confirmClose()
{
    if (m_entries.size() >= MinSavedEntries && !m_listSaved) {
        const MessageBoxes::Answer answer
            = m_services.messages.ask(u"Do you want to Exit without saving your word list?"_s,
                u"Exit Word List"_s, Icon::Information, MessageBoxes::Answer::Yes);
        if (answer == MessageBoxes::Answer::No) {
            focusTypedWord();
            return false;
        }
    }
    m_sound.play(u"Laser.wav");
    return true;
}

void WordListEditor::focusTypedWord()
{
    m_view.focusTypedWord();
}
