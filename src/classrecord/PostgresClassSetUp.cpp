#include "classrecord/PostgresClassSetUp.h"

#include "classrecord/ClassSchema.h"
#include "classrecord/PostgresClassDatabase.h"

#include <QCommandLineParser>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString Room = u"room"_s;
const QString Teacher = u"teacher"_s;

// One transaction on one connection; the first failure is logged with its statement and kept.
class SetUpRun
{
public:
    explicit SetUpRun(QSqlDatabase &db)
        : m_db(db)
    {
    }

    bool exec(const char *statement, const QVariantList &values = {})
    {
        if (!m_problem.ok())
            return false;
        m_query = QSqlQuery(m_db);
        m_query.setForwardOnly(true);
        const QString sql = QString::fromUtf8(statement);
        // A DO block cannot be prepared: statements without values go as they are.
        bool done = values.isEmpty() ? m_query.exec(sql) : m_query.prepare(sql);
        if (!values.isEmpty()) {
            for (const QVariant &value : values)
                m_query.addBindValue(value);
            done = done && m_query.exec();
        }
        if (!done) {
            const QSqlError error = m_query.lastError();
            qCWarning(lcClass) << "class set-up:" << sql.simplified() << error.text();
            m_problem = {ClassProblem::Failed,
                error.databaseText().isEmpty() ? error.text() : error.databaseText()};
        }
        return done;
    }
    QVariant value(const char *statement, const QVariantList &values = {})
    {
        return exec(statement, values) && m_query.next() ? m_query.value(0) : QVariant();
    }
    // Grants run on the server with the login's name bound, never pasted.
    bool grant(const char *grant, const QString &login)
    {
        return exec(ClassSchema::SetGrant, {QString::fromUtf8(grant), login})
            && exec(ClassSchema::RunGrant);
    }
    void fail(const QString &why) { m_problem = {ClassProblem::Failed, why}; }

    QSqlQuery &query() { return m_query; }
    const ClassProblem &problem() const { return m_problem; }

private:
    QSqlDatabase &m_db;
    QSqlQuery m_query;
    ClassProblem m_problem;
};

void setUpTables(SetUpRun &run, QStringList &done)
{
    run.exec(ClassSchema::TakeOverTables);
    run.exec(ClassSchema::CreateVersion);
    const int version = run.value(ClassSchema::ReadVersion).toInt();
    if (version > ClassSchema::Version) {
        run.fail(u"The class database was set up by a later version of Wordrow (version %1)."_s.arg(
            version));
        return;
    }
    for (int step = version; step < ClassSchema::Version; ++step) {
        for (const char *statement : ClassSchema::Steps[step])
            run.exec(statement);
    }
    if (version < ClassSchema::Version)
        run.exec(ClassSchema::WriteVersion, {ClassSchema::Version});
    if (version == ClassSchema::Version)
        done.append(u"The class record's tables were ready (version %1)."_s.arg(version));
    else if (version == 0)
        done.append(
            u"The class record's tables are made (version %1)."_s.arg(ClassSchema::Version));
    else
        done.append(u"The class record's tables are now at version %1 (they were at %2), every "
                    u"round kept."_s.arg(ClassSchema::Version)
                        .arg(version));
}

void keepLogins(SetUpRun &run, const QStringList &logins, const QString &kind, const QString &owner)
{
    for (const QString &login : logins) {
        if (login == owner) {
            run.fail(u"\"%1\" runs the set-up and owns the class record: the room and teacher "
                     u"logins must be others."_s.arg(login));
            return;
        }
        if (run.value(ClassSchema::LoginExists, {login}).toInt() != 1) {
            if (run.problem().ok())
                run.fail(u"There is no login \"%1\" on the server: the administrator makes it "
                         u"first (CREATE ROLE ... LOGIN PASSWORD ...)."_s.arg(login));
            return;
        }
        run.exec(ClassSchema::KeepLogin, {login, kind});
    }
}

void grantRights(SetUpRun &run, QStringList &done)
{
    QList<std::pair<QString, QString>> logins;
    if (run.exec(ClassSchema::Logins)) {
        while (run.query().next())
            logins.append({run.query().value(u"login"_s).toString(),
                run.query().value(u"kind"_s).toString()});
    }
    for (const auto &[login, kind] : std::as_const(logins)) {
        run.grant(ClassSchema::RevokeLogin, login);
        const bool room = kind == Room;
        for (const char *grant : room ? std::span<const char *const>(ClassSchema::RoomGrants)
                                      : std::span<const char *const>(ClassSchema::TeacherGrants))
            run.grant(grant, login);
        done.append(room
                ? u"\"%1\" (a room) may add rounds and read the class lists, and "
                  u"nothing more."_s.arg(login)
                : u"\"%1\" (a teacher) may read the class record and publish lists."_s.arg(login));
    }
}

} // namespace

PostgresClassSetUp::Outcome PostgresClassSetUp::run(const QString &service, const Logins &logins)
{
    Outcome outcome;
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s)) {
        outcome.problem = {ClassProblem::NoDriver, {}};
        return outcome;
    }
    const QString name = u"wordrow-set-up-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
        outcome.problem = PostgresClassDatabase::connect(db, service);
        if (outcome.problem.ok() && !db.transaction())
            outcome.problem = {ClassProblem::Failed, db.lastError().text()};
        if (outcome.problem.ok()) {
            SetUpRun run(db);
            run.exec(ClassSchema::Lock, {ClassSchema::SetupLock});
            const QString owner = run.value("SELECT current_user::text").toString();
            setUpTables(run, outcome.done);
            keepLogins(run, logins.room, Room, owner);
            keepLogins(run, logins.teacher, Teacher, owner);
            run.exec(ClassSchema::TakeOverDatabase);
            grantRights(run, outcome.done);
            outcome.problem = run.problem();
            if (outcome.problem.ok() && !db.commit())
                outcome.problem = {ClassProblem::Failed, db.lastError().text()};
            if (!outcome.problem.ok()) {
                db.rollback();
                outcome.done.clear();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return outcome;
}

int PostgresClassSetUp::runCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Sets up a class database for Wordrow's class record, or upgrades it."_s);
    const QCommandLineOption setUp(u"set-up-class-record"_s,
        u"The pg_service.conf service of the login that is to own the class record."_s,
        u"SERVICE"_s);
    const QCommandLineOption room(u"room"_s,
        u"A login of the pupils' computers: it may only add rounds and read the class lists."_s,
        u"LOGIN"_s);
    const QCommandLineOption teacher(u"teacher"_s,
        u"The teacher's login: it may read the class record and publish lists."_s, u"LOGIN"_s);
    parser.addOptions({setUp, room, teacher});
    parser.addHelpOption();
    parser.process(arguments);
    const QString service = parser.value(setUp);
    const Outcome outcome = run(service, {parser.values(room), parser.values(teacher)});
    if (!outcome.problem.ok()) {
        const QString why = outcome.problem.kind == ClassProblem::Failed
            ? u"The class record was not set up: "_s + outcome.problem.detail
            : outcome.problem.message(service);
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    for (const QString &line : outcome.done)
        std::printf("%s\n", qPrintable(line));
    return 0;
}
