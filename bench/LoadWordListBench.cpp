// Loading a word list against a baseline that only reads the same file's bytes twice.
#include "wordlists/BuiltInWords.h"
#include "wordlists/WordListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// The two lists measured, written once per run.
class ListFiles
{
public:
    ListFiles()
    {
        defaultList = m_dir.filePath(u"wordrow.wdr"_s);
        WordListFile::write(defaultList, BuiltInWords::words().toStringList());

        std::mt19937 engine(2024);
        std::uniform_int_distribution<int> length(4, 12);
        std::uniform_int_distribution<int> letter(0, 25);
        QStringList words;
        for (int i = 0; i < WordListFile::MaxWords; ++i) {
            QString word;
            for (int n = length(engine); n > 0; --n)
                word += QChar(char16_t(u'A' + letter(engine)));
            words.append(word);
        }
        largeList = m_dir.filePath(u"large.wdr"_s);
        WordListFile::write(largeList, words);
    }

    QString defaultList;
    QString largeList;

private:
    QTemporaryDir m_dir;
};

const ListFiles &files()
{
    static const ListFiles lists;
    return lists;
}

const QString &pathFor(const benchmark::State &state)
{
    return state.range(0) == 0 ? files().defaultList : files().largeList;
}

void BM_ReadBytesTwice(benchmark::State &state)
{
    const QString &path = pathFor(state);
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(file.readAll());
        }
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void BM_LoadWordList(benchmark::State &state)
{
    const QString &path = pathFor(state);
    qsizetype words = 0;
    for (auto _ : state) {
        words = WordListFile::load(path).words.size();
        benchmark::DoNotOptimize(words);
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
    state.counters["words"] = double(words);
}

} // namespace

// Argument 0: the default list of 463 words; 1: a list of 32,767 words.
BENCHMARK(BM_ReadBytesTwice)->Arg(0)->Arg(1);
BENCHMARK(BM_LoadWordList)->Arg(0)->Arg(1);
