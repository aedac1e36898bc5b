#include "classlists/ClassListStore.h"

#include "classrecord/ClassListNames.h"
#include "core/Sentences.h"
#include "core/WholeFile.h"
#include "game/WordCheck.h"
#include "wordlists/SentenceFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QLoggingCategory>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcLists, "wordrow.classlists")

// A name or a word from the server as a message may quote it: short, and without control
// characters that could break the box's lines.
QString quoted(const QString &text)
{
    constexpr int MaxQuoted = 40;
    QString shown = text.left(MaxQuoted);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            c = u'?';
    }
    return u'"' + shown + (text.size() > MaxQuoted ? u"\u2026\""_s : u"\""_s);
}

// A file name the index may name: one plain, visible list file of the folder. The index is a file
// like any other and may have been changed by hand.
bool isPlainListFile(const QString &file)
{
    return !file.isEmpty() && !file.contains(u'/') && !file.startsWith(u'.')
        && file.endsWith(u".wdr"_s) && !file.contains(QChar(0));
}

} // namespace

ClassListStore::ClassListStore(const QString &folder)
    : m_folder(folder)
{
}

QString ClassListStore::path(const Kept &list) const
{
    return QDir(m_folder).filePath(list.file);
}

QList<ClassListStore::Kept> ClassListStore::kept() const
{
    const std::optional<QByteArray> bytes
        = WholeFile::read(QDir(m_folder).filePath(IndexName.toString()), MaxIndexSize);
    if (!bytes)
        return {};
    QList<Kept> lists;
    const QJsonArray entries = QJsonDocument::fromJson(*bytes).object().value(u"lists").toArray();
    for (const QJsonValue &entry : entries) {
        const QJsonObject object = entry.toObject();
        Kept list{object.value(u"name").toString(), object.value(u"file").toString(),
            QDateTime::fromString(object.value(u"updated").toString(), Qt::ISODateWithMs),
            object.value(u"thisWeek").toBool()};
        if (isPlainListFile(list.file))
            lists.append(list);
        else
            qCWarning(lcLists) << "The class lists' index names an unsafe file:" << list.file;
    }
    return lists;
}

std::optional<QString> ClassListStore::thisWeeksList() const
{
    for (const Kept &list : kept()) {
        if (list.thisWeek && QFileInfo(path(list)).isFile())
            return path(list);
    }
    return std::nullopt;
}

QString ClassListStore::problem(const ClassList &list)
{
    if (list.words.isEmpty())
        return u"it holds no words."_s;
    if (list.words.size() > WordListFile::MaxWords) {
        const QLocale english(QLocale::English);
        return u"it holds %1 words, more than the %2 a list can hold."_s.arg(
            english.toString(list.words.size()), english.toString(WordListFile::MaxWords));
    }
    if (!list.sentences.isEmpty() && list.sentences.size() != list.words.size())
        return u"its sentences do not match its words."_s;
    for (qsizetype i = 0; i < list.words.size(); ++i) {
        const QString &word = list.words.at(i);
        if (const QString why = WordCheck::problem(word); !why.isEmpty())
            return u"its word "_s + quoted(word) + u' ' + why;
        if (list.sentences.isEmpty())
            continue;
        switch (Sentences::check(word, list.sentences.at(i))) {
        case Sentences::Check::TooLong:
            return u"the sentence of "_s + quoted(word)
                + u" is longer than %1 characters."_s.arg(Sentences::MaxLength);
        case Sentences::Check::ControlCharacter:
            return u"the sentence of "_s + quoted(word) + u" holds characters that are not text."_s;
        case Sentences::Check::Empty: // the word has none
        case Sentences::Check::LacksWord:
        case Sentences::Check::Fine:
            break;
        }
    }
    return {};
}

bool ClassListStore::writeList(const QString &file, const ClassList &list) const
{
    QStringList words;
    Sentences sentences;
    words.reserve(list.words.size());
    for (qsizetype i = 0; i < list.words.size(); ++i) {
        words.append(*WordCheck::accepted(list.words.at(i)));
        if (i < list.sentences.size())
            sentences.set(words.last(), list.sentences.at(i));
    }
    const QString listPath = QDir(m_folder).filePath(file);
    // A crash between the two leaves the index's old stamp, so the next sync writes both again.
    return QDir().mkpath(m_folder) && SentenceFile::write(listPath, words, sentences)
        && WordListFile::write(listPath, words);
}

bool ClassListStore::removeList(const QString &file) const
{
    const QString listPath = QDir(m_folder).filePath(file);
    const QString sentencesPath = SentenceFile::pathFor(listPath);
    if (QFileInfo::exists(sentencesPath) && !QFile::remove(sentencesPath))
        return false;
    return QFile::remove(listPath) || !QFileInfo::exists(listPath);
}

bool ClassListStore::writeIndex(const QList<Kept> &lists) const
{
    QJsonArray entries;
    for (const Kept &list : lists) {
        entries.append(QJsonObject{{u"name"_s, list.name}, {u"file"_s, list.file},
            {u"updated"_s, list.updated.toUTC().toString(Qt::ISODateWithMs)},
            {u"thisWeek"_s, list.thisWeek}});
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{u"lists"_s, entries}}).toJson();
    const QString index = QDir(m_folder).filePath(IndexName.toString());
    // Unchanged most of the times it is asked: the disk is spared the write.
    if (WholeFile::read(index, MaxIndexSize) == bytes)
        return true;
    if (lists.isEmpty() && !QFileInfo::exists(m_folder))
        return true;
    return QDir().mkpath(m_folder) && WholeFile::write(index, bytes);
}

ClassListStore::Outcome ClassListStore::sync(const QList<ClassList> &lists, const QString &keepFile)
{
    Outcome outcome;
    const QList<Kept> before = kept();
    QHash<QString, Kept> old;
    QSet<QString> ownFiles;
    for (const Kept &list : before) {
        old.insert(list.name, list);
        ownFiles.insert(list.file);
    }

    QStringList names;
    for (const ClassList &list : lists)
        names.append(list.name);
    const QStringList files = ClassListNames::fileNames(names);

    QList<Kept> after;
    QSet<QString> published;
    QSet<QString> refused;
    bool thisWeekTaken = false;
    for (qsizetype i = 0; i < lists.size(); ++i) {
        const ClassList &list = lists.at(i);
        if (published.contains(list.name))
            continue; // a name is one list: the first of the same name counts
        published.insert(list.name);
        const auto previous = old.constFind(list.name);
        const bool hadIt = previous != old.cend();
        QString why = problem(list);
        const QString file = files.at(i);
        const QString filePath = QDir(m_folder).filePath(file);
        const bool unchanged = hadIt && previous->file == file && previous->updated == list.updated
            && QFileInfo(filePath).isFile();
        if (why.isEmpty() && !unchanged) {
            if (QFileInfo::exists(filePath) && !ownFiles.contains(file))
                why = u"a list of its file's name that did not come from the class is in the way."_s;
            else if (!writeList(file, list))
                why = u"it could not be saved in "_s + m_folder + u'.';
            else
                ++outcome.written;
        }
        if (!why.isEmpty()) {
            outcome.refusals.append(u"The class list "_s + quoted(list.name) + u" was not taken: "_s
                + why + u"  This computer keeps the lists it had."_s);
            qCWarning(lcLists) << "Class list refused:" << list.name.left(80) << why;
            refused.insert(list.name);
            if (hadIt)
                after.append(*previous);
            continue;
        }
        if (hadIt && previous->file != file)
            removeList(previous->file);
        const bool thisWeek = list.thisWeek && !thisWeekTaken;
        thisWeekTaken = thisWeekTaken || thisWeek;
        after.append({list.name, file, list.updated, thisWeek});
    }

    for (const Kept &list : before) {
        if (published.contains(list.name))
            continue;
        const QString file = path(list);
        if (!keepFile.isEmpty() && QFileInfo(file) == QFileInfo(keepFile)) {
            outcome.kept = true;
            after.append({list.name, list.file, list.updated, false});
        } else if (removeList(list.file)) {
            ++outcome.removed;
        } else {
            qCWarning(lcLists) << "A withdrawn class list could not be removed:" << file;
            after.append(list);
        }
    }
    // The week's pick the server sent wins over one a refused list had before.
    if (thisWeekTaken) {
        for (Kept &list : after)
            list.thisWeek
                = list.thisWeek && published.contains(list.name) && !refused.contains(list.name);
    }
    if (!writeIndex(after))
        qCWarning(lcLists) << "The class lists' index could not be written in" << m_folder;
    return outcome;
}
