#pragma once

#include "classrecord/ClassRecordConnection.h"
#include "classrecord/PostgresClassDatabase.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

// The class database of the PostgreSQL server scripts/test.sh starts (scripts/class-server.sh),
// emptied before each test. Without that server the tests skip, and in CI they fail.
class ClassServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        service = qEnvironmentVariable("WORDROW_TEST_CLASS_SERVICE");
        if (service.isEmpty()) {
            if (!qEnvironmentVariableIsEmpty("CI"))
                FAIL() << "no class server: scripts/test.sh starts one";
            GTEST_SKIP() << "no class server: run scripts/test.sh";
        }
        ASSERT_TRUE(
            admin(QStringLiteral("DROP TABLE IF EXISTS wordrow_rounds, wordrow_schema")).toBool());
    }

    static ClassDatabaseFactory factory()
    {
        return [] { return std::make_unique<PostgresClassDatabase>(); };
    }

    // Runs one statement as the server's owner; a SELECT gives its first value.
    static QVariant admin(const QString &sql)
    {
        QVariant value;
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
            db.setConnectOptions(QStringLiteral("service=wordrow_admin"));
            EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
            QSqlQuery query(db);
            const bool done = query.exec(sql);
            EXPECT_TRUE(done) << query.lastError().text().toStdString();
            value = query.next() ? query.value(0) : QVariant(done);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        return value;
    }
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
                                 : checked.first().first().value<ClassProblem>();
    }

    QString service;
};
