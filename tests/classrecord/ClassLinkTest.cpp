#include "classrecord/ClassRecordSender.h"
#include "classrecord/ClassServerTest.h"
#include "support/FakeRoundOutbox.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Stands between the game and the server on 127.0.0.1, as a router does. Frozen, it passes nothing
// on and closes nothing; the connections it carried stay dead after it heals, as behind a router
// that lost them without a word.
class FreezingRelay : public QObject
{
public:
    explicit FreezingRelay(const QString &socket)
        : m_socket(socket)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &FreezingRelay::accept);
    }
    quint16 port() const { return m_server.serverPort(); }
    void freeze()
    {
        m_frozen = true;
        for (const std::shared_ptr<bool> &dead : std::as_const(m_links))
            *dead = true;
    }
    void heal() { m_frozen = false; }

private:
    void accept()
    {
        while (QTcpSocket *client = m_server.nextPendingConnection()) {
            auto *server = new QLocalSocket(client);
            server->connectToServer(m_socket);
            server->waitForConnected(1000);
            m_links.append(std::make_shared<bool>(m_frozen));
            const std::shared_ptr<bool> dead = m_links.last();
            const auto pass = [dead](QIODevice *from, QIODevice *to) {
                if (!*dead)
                    to->write(from->readAll());
            };
            connect(client, &QTcpSocket::readyRead, server, [=] { pass(client, server); });
            connect(server, &QLocalSocket::readyRead, client, [=] { pass(server, client); });
        }
    }

    QString m_socket;
    QTcpServer m_server;
    QList<std::shared_ptr<bool>> m_links;
    bool m_frozen = false;
};

class ClassLinkTest : public ClassServerTest
{
protected:
    // A service through the relay, in a service file of the test's own.
    QString relayService(quint16 port)
    {
        QFile original(qEnvironmentVariable("PGSERVICEFILE"));
        EXPECT_TRUE(original.open(QIODevice::ReadOnly));
        dir.write(u"pg_service.conf"_s,
            original.readAll()
                + "\n[wordrow_relay]\nhost=127.0.0.1\ndbname=wordrow_class\nuser=wordrow_class\n"
                + "port=" + QByteArray::number(port) + "\n");
        qputenv("PGSERVICEFILE", dir.filePath(u"pg_service.conf"_s).toLocal8Bit());
        return u"wordrow_relay"_s;
    }
    void TearDown() override { qputenv("PGSERVICEFILE", serviceFile); }

    TempDir dir;
    QByteArray serviceFile = qgetenv("PGSERVICEFILE");
};

TEST_F(ClassLinkTest, RoundsGoOnceAFrozenLinkHealsAndQuittingDoesNotWaitForIt)
{
    FreezingRelay relay(qEnvironmentVariable("WORDROW_TEST_CLASS_SOCKET"));
    FakeRoundOutbox outbox;
    auto sender = std::make_unique<ClassRecordSender>(
        outbox, factory(), relayService(relay.port()), u"PC 1"_s);
    sender->setDeadlineMs(2000);
    QSignalSpy problems(sender.get(), &ClassRecordSender::problem);
    const auto play = [&] {
        PracticeRound round;
        round.id = QUuid::createUuid();
        round.when = QDateTime::currentDateTime();
        round.player = u"Sam"_s;
        round.word = u"WORD"_s + QString::number(outbox.rounds.size());
        outbox.rounds.append(round);
        sender->sendWaiting();
    };
    play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 10000));

    relay.freeze();
    play();
    QTest::qWait(200);
    play();
    // The game gives the send up by itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 10000));
    EXPECT_EQ(problems.first().at(0).value<ClassProblem>().kind, ClassProblem::Unreachable);
    EXPECT_TRUE(sender->waitingText(u"room"_s).startsWith(
        u"2 rounds wait on this computer: the server cannot be reached since "));
    play();
    relay.heal();
    play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outbox.allSent(); }, 120000));
    EXPECT_EQ(storedRounds(), 5);

    relay.freeze();
    play();
    QTest::qWait(200);
    ASSERT_TRUE(sender->isSending());
    QElapsedTimer quitting;
    quitting.start();
    sender.reset();
    EXPECT_LT(quitting.elapsed(), 1000);
}

} // namespace
