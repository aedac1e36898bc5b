#include "wordlists/SentenceFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The lists that come with the game, as they are in the repository.
TEST(ReadyMadeLists, eachLoadsWithSpellableWordsAndIsWhatTheGameWouldWrite)
{
    const QDir dir(QStringLiteral(WORDROW_READY_MADE_LISTS));
    // The whole folder is installed and shown in the open dialogs: nothing in it but lists and
    // the sentences of some of them.
    const QStringList names = dir.entryList({u"*.wdr"_s}, QDir::Files, QDir::Name);
    QStringList companions = dir.entryList({u"*.sentences.tsv"_s}, QDir::Files, QDir::Name);
    QStringList listsAndSentences = names + companions;
    listsAndSentences.sort();
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDir::Name),
        listsAndSentences);
    ASSERT_GE(names.size(), 8);

    // Names as a player reads them in a file dialog, like "First words.wdr".
    const QRegularExpression readable(u"^[A-Z][a-z]*( [a-z]+)*\\.wdr$"_s);
    const QRegularExpression spellable(u"^[A-Z'-]{1,%1}$"_s.arg(WordListFile::MaxWordLength));
    QSet<QString> everyWord;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(readable.match(name).hasMatch());

        const QString path = dir.filePath(name);
        const WordListFile::LoadResult loaded = WordListFile::load(path);
        ASSERT_TRUE(loaded.isLoaded());
        const QStringList words = loaded.words.toStringList();
        EXPECT_GE(words.size(), 25);
        EXPECT_LE(words.size(), 80);

        QSet<QString> inList;
        for (const QString &word : words) {
            EXPECT_TRUE(spellable.match(word).hasMatch()) << word.toStdString();
            EXPECT_FALSE(inList.contains(word)) << "twice: " << word.toStdString();
            inList.insert(word);
        }
        everyWord += inList;

        // Also no item the loader passed over, and nothing a text editor might have added.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(WordListFile::format(words), file.readAll());

        // Sentences of our own, each holding its word, for words of the list only.
        const QString companion = SentenceFile::pathFor(path);
        if (!companions.removeOne(QFileInfo(companion).fileName()))
            continue;
        ASSERT_FALSE(loaded.sentences.isEmpty());
        for (const auto &[word, sentence] : loaded.sentences.entries()) {
            EXPECT_TRUE(inList.contains(word)) << word.toStdString();
            EXPECT_EQ(Sentences::check(word, sentence), Sentences::Check::Fine)
                << sentence.toStdString();
        }
        QFile table(companion);
        ASSERT_TRUE(table.open(QIODevice::ReadOnly));
        EXPECT_EQ(SentenceFile::format(words, loaded.sentences), table.readAll());
    }
    EXPECT_EQ(companions, QStringList()) << "sentences without their list";
    EXPECT_GE(everyWord.size(), 400);
}
