#pragma once

#include "classrecord/ClassRecordConnection.h"
#include "classrecord/PostgresClassDatabase.h"
#include "classrecord/PostgresClassSetUp.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

// The class database of the PostgreSQL server scripts/test.sh starts (scripts/class-server.sh),
// emptied and set up afresh before each test: "service" is a room's login, "teacher" the
// teacher's. Without that server the tests skip, and in CI they fail.
class ClassServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        service = qEnvironmentVariable("WORDROW_TEST_CLASS_SERVICE");
        teacher = qEnvironmentVariable("WORDROW_TEST_TEACHER_SERVICE");
        if (service.isEmpty()) {
            if (!qEnvironmentVariableIsEmpty("CI"))
                FAIL() << "no class server: scripts/test.sh starts one";
            GTEST_SKIP() << "no class server: run scripts/test.sh";
        }
        ASSERT_TRUE(admin(QStringLiteral("DROP TABLE IF EXISTS wordrow_rounds, wordrow_schema, "
                                         "wordrow_logins, wordrow_lists"))
                        .toBool());
        setUpClass();
    }

    // The administrator's set-up, the room's login and the teacher's given.
    static void setUpClass()
    {
        const PostgresClassSetUp::Outcome outcome
            = PostgresClassSetUp::run(QStringLiteral("wordrow_admin"),
                {{QStringLiteral("wordrow_class")}, {QStringLiteral("wordrow_teacher")}});
        ASSERT_TRUE(outcome.problem.ok()) << outcome.problem.detail.toStdString();
    }

    static ClassDatabaseFactory factory()
    {
        return [] { return std::make_unique<PostgresClassDatabase>(); };
    }

    // Runs one statement with a service's login; a SELECT gives its first value. The SQL state of
    // a failure goes to *state, or fails the test.
    static QVariant as(const QString &login, const QString &sql, QString *state = nullptr)
    {
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), login);
            db.setConnectOptions(QStringLiteral("service=") + login);
            EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
            QSqlQuery query(db);
            const bool done = query.exec(sql);
            if (state)
                *state = query.lastError().nativeErrorCode();
            else
                EXPECT_TRUE(done) << query.lastError().text().toStdString();
            value = query.next() ? query.value(0) : QVariant(done);
        }
        QSqlDatabase::removeDatabase(login);
        return value;
    }
    static QVariant admin(const QString &sql) { return as(QStringLiteral("wordrow_admin"), sql); }
    static int storedRounds()
    {
        return admin(QStringLiteral("SELECT count(*) FROM wordrow_rounds")).toInt();
    }

    static void server(const QString &command)
    {
        ASSERT_EQ(
            QProcess::execute(qEnvironmentVariable("WORDROW_TEST_CLASS_SERVER"), {command}), 0);
    }

    // What check() says of a service.
    static ClassProblem check(const QString &service)
    {
        ClassRecordConnection connection(factory(), service, QStringLiteral("PC"));
        QSignalSpy checked(&connection, &ClassRecordConnection::checked);
        connection.check();
        EXPECT_TRUE(checked.wait(10000));
        return checked.isEmpty() ? ClassProblem{ClassProblem::Failed, {}}
                                 : checked.first().at(1).value<ClassProblem>();
    }

    QString service;
    QString teacher;
};
