// The class record on the PostgreSQL server scripts/bench-class.sh starts: 30 computers send 500
// rounds each through the room's login, all at once, and the class view then opens over them
// through the teacher's. Prints rounds per second and how long the view takes to arrive (the
// target: under a second). Then the teacher publishes a list of 500 words with a sentence each,
// and 30 computers fetch it at once into folders of their own (the target: each under 2 s). Empties
// the class database and sets it up afresh first, through the administrator's service
// wordrow_admin.
#include "classlists/ClassListStore.h"
#include "classrecord/ClassRecordConnection.h"
#include "classrecord/ClassRecordListSource.h"
#include "classrecord/ClassRecordSender.h"
#include "classrecord/PostgresClassDatabase.h"
#include "classrecord/PostgresClassSetUp.h"
#include "core/SteadyClock.h"
#include "progress/ClassRecordPanel.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeRoundOutbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using Result = RoundResult;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString service = qEnvironmentVariable("WORDROW_TEST_CLASS_SERVICE");
    const QString teacher = qEnvironmentVariable("WORDROW_TEST_TEACHER_SERVICE");
    if (service.isEmpty() || teacher.isEmpty()) {
        std::fprintf(stderr, "No class server: run through scripts/bench-class.sh\n");
        return 1;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, u"reset"_s);
        db.setConnectOptions(u"service=wordrow_admin"_s);
        if (!db.open()
            || !QSqlQuery(db).exec(
                u"DROP TABLE IF EXISTS wordrow_rounds, wordrow_schema, wordrow_logins, wordrow_lists"_s)) {
            std::fprintf(stderr, "Cannot empty the class database\n");
            return 1;
        }
    }
    QSqlDatabase::removeDatabase(u"reset"_s);
    if (!PostgresClassSetUp::run(u"wordrow_admin"_s, {{u"wordrow_class"_s}, {u"wordrow_teacher"_s}})
             .problem.ok()) {
        std::fprintf(stderr, "Cannot set the class database up\n");
        return 1;
    }

    constexpr int Computers = 30, Rounds = 500;
    static const QString words[] = {u"BECOME"_s, u"JUMPING"_s, u"FRIEND"_s, u"BECAUSE"_s,
        u"WEDNESDAY"_s, u"SEPARATE"_s, u"NECESSARY"_s, u"RHYTHM"_s};
    const ClassDatabaseFactory factory = [] { return std::make_unique<PostgresClassDatabase>(); };
    const QDateTime start = QDateTime::currentDateTime().addDays(-60);
    std::vector<FakeRoundOutbox> outboxes(Computers);
    for (int pc = 0; pc < Computers; ++pc) {
        for (int n = 0; n < Rounds; ++n) {
            PracticeRound round;
            round.id = QUuid::createUuid();
            round.when = start.addSecs(qint64(n) * 10000 + pc);
            // Each child sits at three computers over the weeks.
            round.player = u"Child "_s + QString::number((pc + n % 3) % Computers);
            round.list = u"week.wdr"_s;
            round.word = words[(n + pc) % 8];
            round.result = n % 5 == 0 ? Result::Lost : Result::Won;
            round.misses = round.result == Result::Lost ? 6 : n % 4;
            outboxes[size_t(pc)].rounds.append(round);
        }
    }
    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<ClassRecordSender>> senders;
    for (int pc = 0; pc < Computers; ++pc) {
        senders.push_back(std::make_unique<ClassRecordSender>(
            outboxes[size_t(pc)], factory, service, u"PC "_s + QString::number(pc)));
        senders.back()->sendWaiting();
    }
    const bool sent = QTest::qWaitFor(
        [&] {
            for (const FakeRoundOutbox &outbox : outboxes)
                if (!outbox.allSent())
                    return false;
            return true;
        },
        300000);
    const double sendSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (!sent) {
        std::fprintf(stderr, "Not every round went\n");
        return 1;
    }
    std::printf("%d computers x %d rounds sent in %.2f s: %.0f rounds per second\n", Computers,
        Rounds, sendSeconds, Computers * Rounds / sendSeconds);

    const SteadyClock clock;
    FakeMessageBoxes messages;
    for (int run = 0; run < 3; ++run) {
        timer.restart();
        ClassRecordPanel panel(
            std::make_unique<ClassRecordConnection>(factory, teacher, u"PC"_s), clock, messages);
        QSignalSpy shown(&panel, &ClassRecordPanel::shown);
        if (!shown.wait(30000))
            return 1;
        std::printf("class view of %d players opened in %.0f ms%s\n",
            panel.playersModel()->rowCount(), double(timer.nsecsElapsed()) / 1e6,
            run == 0 ? " (first, with a new connection)" : "");
    }

    ClassList list{u"Week 12"_s, {}, {}, false, {}};
    for (int n = 0; n < 500; ++n) {
        QString word;
        for (int k = n; word.size() < 8; k /= 26)
            word.append(QChar(u'A' + k % 26));
        list.words.append(word);
        list.sentences.append(
            u"The teacher said %1 twice, slowly, to the whole class."_s.arg(word));
    }
    timer.restart();
    ClassRecordConnection publisher(factory, teacher, {});
    QSignalSpy published(&publisher, &ClassRecordConnection::listsChanged);
    publisher.publishList(list);
    if (!published.wait(30000))
        return 1;
    std::printf("a list of %lld words with sentences published in %.0f ms\n",
        qlonglong(list.words.size()), double(timer.nsecsElapsed()) / 1e6);

    std::vector<std::unique_ptr<QTemporaryDir>> homes;
    std::vector<std::unique_ptr<ClassListSource>> sources;
    std::vector<double> took(Computers, -1);
    const ClassListSourceFactory sourceFactory = ClassRecordListSource::factory(factory);
    timer.restart();
    for (int pc = 0; pc < Computers; ++pc) {
        homes.push_back(std::make_unique<QTemporaryDir>());
        sources.push_back(sourceFactory(service));
        QObject::connect(
            sources.back().get(), &ClassListSource::fetched, [&, pc](const auto &lists) {
                ClassListStore(homes[size_t(pc)]->filePath(u"class-lists"_s)).sync(lists);
                took[size_t(pc)] = double(timer.nsecsElapsed()) / 1e6;
            });
        sources.back()->fetch();
    }
    if (!QTest::qWaitFor([&] { return std::count(took.begin(), took.end(), -1) == 0; }, 60000))
        return 1;
    std::printf(
        "%d computers fetched and kept it, the last after %.0f ms (the first after %.0f ms)\n",
        Computers, *std::max_element(took.begin(), took.end()),
        *std::min_element(took.begin(), took.end()));
    return 0;
}
