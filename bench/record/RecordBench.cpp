// The practice record on disk: how long keeping one round's result takes, how long the progress
// window takes to open over a record of 100,000 rounds (medians), and how long a version 1 record
// of as many rounds takes to upgrade on first open.
#include "core/SteadyClock.h"
#include "progress/ProgressWindow.h"
#include "record/SqlitePracticeRecord.h"
#include "record/TroubleWords.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using Result = RoundResult;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

PracticeRound roundNumber(int n, const QDateTime &start)
{
    static const QString words[] = {u"BECOME"_s, u"JUMPING"_s, u"FRIEND"_s, u"BECAUSE"_s,
        u"WEDNESDAY"_s, u"SEPARATE"_s, u"NECESSARY"_s, u"RHYTHM"_s};
    const Result result = n % 5 == 0 ? Result::Lost : n % 11 == 0 ? Result::Abandoned : Result::Won;
    return {start.addSecs(qint64(n) * 300), u"Sam"_s,
        u"list"_s + QString::number(n % 6) + u".wdr"_s, words[n % 8], result,
        result == Result::Lost ? 6 : n % 4, u"QXZ"_s.left(n % 4)};
}

// Keeps each round as the game does: open, one transaction, close.
void storeRounds(const QString &folder)
{
    FakeMessageBoxes messages;
    SqlitePracticeRecord record([folder] { return folder; }, messages);
    const QDateTime start = QDateTime::currentDateTime();
    std::vector<double> times;
    for (int n = 0; n < 200; ++n) {
        QElapsedTimer timer;
        timer.start();
        record.add(roundNumber(n, start));
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("store one round (on disk, %s): median %.2f ms over %zu rounds\n",
        qPrintable(QDir::toNativeSeparators(folder)), median(times), times.size());
}

// Writes a large record at once, rather than a round at a time, to have it ready quickly.
void fillRecord(const QString &folder, int rounds)
{
    {
        FakeMessageBoxes messages;
        SqlitePracticeRecord record([folder] { return folder; }, messages);
        record.add(roundNumber(0, QDateTime::currentDateTime().addDays(-rounds / 100)));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"fill"_s);
        db.setDatabaseName(QDir(folder).filePath(SqlitePracticeRecord::FileName.toString()));
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(u"INSERT INTO rounds (played_at, player, list, word, result, misses,"
                      " wrong_letters) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(rounds) * 300);
        TroubleWords trouble;
        for (int n = 1; n < rounds; ++n) {
            const PracticeRound r = roundNumber(n, start);
            trouble.add(r);
            query.addBindValue(r.when.toMSecsSinceEpoch());
            query.addBindValue(r.player);
            query.addBindValue(r.list);
            query.addBindValue(r.word);
            query.addBindValue(resultName(r.result));
            query.addBindValue(r.misses);
            query.addBindValue(r.wrongLetters);
            query.exec();
        }
        // The summary the game keeps round by round, made here at once.
        query.exec(u"DELETE FROM list_tallies"_s);
        query.exec(uR"(INSERT INTO list_tallies (player, list, won, lost, abandoned)
            SELECT player, list, sum(result = 'won'), sum(result = 'lost'),
                sum(result = 'abandoned') FROM rounds GROUP BY player, list)"_s);
        query.exec(u"DELETE FROM word_standings"_s);
        const QList<TroubleWords::Standing> standings = trouble.words();
        for (const TroubleWords::Standing &standing : standings) {
            query.prepare(uR"(INSERT INTO word_standings (player, word, trouble_tries,
                clean_wins_in_a_row) VALUES ('Sam', ?, ?, ?))"_s);
            query.addBindValue(standing.word);
            query.addBindValue(standing.troubleTries);
            query.addBindValue(standing.cleanWinsInARow);
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(u"fill"_s);
}

void openProgress(const QString &folder, int rounds)
{
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    SqlitePracticeRecord record([folder] { return folder; }, messages);
    const SteadyClock clock;
    std::vector<double> reads;
    std::vector<double> exports;
    std::vector<double> opens;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<PracticeRound> all = record.rounds(u"Sam"_s);
        const qsizetype count = all.size();
        reads.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const QByteArray csv = ProgressReport::csv(all);
        exports.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (count != rounds)
            std::printf("expected %d rounds, read %lld\n", rounds, qlonglong(count));
        if (i == 0) {
            const ProgressWindow window(u"Sam"_s, record, dialogs, messages, clock);
            std::printf("the window shows: %s; %s; %s; %lld trouble words\n",
                qPrintable(window.tallyLabel(0)->text()), qPrintable(window.tallyLabel(1)->text()),
                qPrintable(window.reviewLabel()->text()),
                qlonglong(window.report().trouble().rowCount()));
        }

        timer.restart();
        auto *window = new ProgressWindow(u"Sam"_s, record, dialogs, messages, clock);
        window->show();
        // Shown and painted once.
        window->grab();
        opens.push_back(double(timer.nsecsElapsed()) / 1e6);
        delete window;
    }
    std::printf(
        "read all %d rounds (as the CSV export does): median %.1f ms\n", rounds, median(reads));
    std::printf("write them as CSV: median %.1f ms\n", median(exports));
    std::printf("open the progress window over %d rounds: median %.1f ms\n", rounds, median(opens));
}

// A version 1 record of the given size, grown from the test's one, upgraded as a game would.
void upgradeRecord(const QString &folder, int rounds)
{
    const QString path = QDir(folder).filePath(SqlitePracticeRecord::FileName.toString());
    QFile::copy(QStringLiteral(WORDROW_FIXTURES "/record-v1.sqlite"), path);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"grow"_s);
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(u"INSERT INTO rounds (played_at, player, list, word, result, misses,"
                      " wrong_letters) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(rounds) * 300);
        for (int n = 0; n < rounds; ++n) {
            const PracticeRound r = roundNumber(n, start);
            query.addBindValue(r.when.toMSecsSinceEpoch());
            query.addBindValue(r.player);
            query.addBindValue(r.list);
            query.addBindValue(r.word);
            query.addBindValue(resultName(r.result));
            query.addBindValue(r.misses);
            query.addBindValue(r.wrongLetters);
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(u"grow"_s);

    FakeMessageBoxes messages;
    SqlitePracticeRecord record([folder] { return folder; }, messages);
    QElapsedTimer timer;
    timer.start();
    const QStringList players = record.players();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("upgrade a version 1 record of %d rounds on first open: %.0f ms (%s)\n", rounds, ms,
        players.size() == 2 && messages.shown.isEmpty() ? "upgraded" : "FAILED");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk the build is on: a temporary folder may be in memory.
    QTemporaryDir storeFolder(QDir::current().filePath(u"record-bench-XXXXXX"_s));
    storeRounds(storeFolder.path());

    constexpr int Rounds = 100'000;
    QTemporaryDir bigFolder(QDir::current().filePath(u"record-bench-XXXXXX"_s));
    fillRecord(bigFolder.path(), Rounds);
    openProgress(bigFolder.path(), Rounds);

    QTemporaryDir oldFolder(QDir::current().filePath(u"record-bench-XXXXXX"_s));
    upgradeRecord(oldFolder.path(), Rounds);
    return 0;
}
