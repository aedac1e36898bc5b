#include "classrecord/PostgresClassDatabase.h"

#include "classrecord/ClassListNames.h"
#include "classrecord/ClassSchema.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcClass, "wordrow.classrecord")

namespace {

const QString Driver = u"QPSQL"_s;
const QString InsufficientPrivilege = u"42501"_s;

QString kindName(RoundKind::Kind kind)
{
    return QString::fromLatin1(QMetaEnum::fromType<RoundKind::Kind>().valueToKey(int(kind)))
        .toLower();
}

RoundKind::Kind kindOf(const QString &name)
{
    return name == kindName(RoundKind::Kind::SpellingTest) ? RoundKind::Kind::SpellingTest
                                                           : RoundKind::Kind::Game;
}

RoundResult resultOf(const QString &name)
{
    return Wordrow::resultFromName(name).value_or(RoundResult::Abandoned);
}

// Qt binds a null string as NULL; the columns hold text, empty or not.
QString text(const QString &value)
{
    return value.isNull() ? QString(u""_s) : value;
}

QVariant timeOrNull(const QDateTime &when)
{
    return when.isValid() ? QVariant(when) : QVariant(QMetaType::fromType<QDateTime>());
}

QString jsonArray(const QStringList &texts)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

// The server's checks keep arrays of text there; anything else reads as no entries.
QStringList texts(const QString &json)
{
    QStringList texts;
    for (const QJsonValue &value : QJsonDocument::fromJson(json.toUtf8()).array())
        texts.append(value.toString());
    return texts;
}

} // namespace

PostgresClassDatabase::PostgresClassDatabase()
    : m_connection(u"wordrow-class-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

PostgresClassDatabase::~PostgresClassDatabase()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

ClassProblem PostgresClassDatabase::lost(const QSqlQuery &query)
{
    qCInfo(lcClass).noquote() << "class database statement failed:"
                              << query.lastQuery().simplified();
    return lost(query.lastError());
}

ClassProblem PostgresClassDatabase::lost(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    qCInfo(lcClass) << "class database:" << text;
    // The next open connects afresh; closing now would pull the connection from under the
    // caller's query.
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.isOpen())
        db.rollback();
    m_ready = false;
    // A lost connection (no SQL state), a connection fault (08) or the server going away or
    // giving up a statement (57): the server is the trouble, not what was asked of it.
    const QString state = error.nativeErrorCode();
    if (state == InsufficientPrivilege)
        return {ClassProblem::NotAllowed, text};
    const bool away = state.isEmpty() || state.startsWith(u"08"_s) || state.startsWith(u"57"_s);
    return {away ? ClassProblem::Unreachable : ClassProblem::Failed, text};
}

ClassProblem PostgresClassDatabase::connect(QSqlDatabase &db, const QString &service)
{
    db.close();
    // The driver passes its options on to libpq, semicolons as spaces: a name with either would
    // read as more options, so such a name is no service at all.
    if (service.isEmpty() || service.contains(u';') || service.contains(u' ')
        || service.contains(u'='))
        return {ClassProblem::UnknownService, service};
    // Keepalives and the user timeout end a connection whose path died without a word, on a real
    // network; the sender's own deadline covers a peer that still acknowledges.
    db.setConnectOptions(u"service="_s + service + u";connect_timeout="_s
        + QString::number(ConnectTimeoutSeconds)
        + u";keepalives=1;keepalives_idle=15;keepalives_interval=5;keepalives_count=3"
          u";tcp_user_timeout=30000;application_name=wordrow"_s);
    if (!db.open()) {
        const QString text = db.lastError().databaseText();
        qCInfo(lcClass) << "class database:" << text;
        return ClassProblem::ofConnection(text);
    }
    QSqlQuery query(db);
    if (!query.exec(u"SET statement_timeout = "_s + QString::number(StatementTimeoutMs))) {
        qCWarning(lcClass) << "class database: setting the statement timeout:"
                           << query.lastError().text();
        return {ClassProblem::Unreachable, query.lastError().text()};
    }
    return {};
}

ClassProblem PostgresClassDatabase::open(const QString &service)
{
    if (m_ready && service == m_service && QSqlDatabase::database(m_connection, false).isOpen())
        return {};
    if (!QSqlDatabase::isDriverAvailable(Driver))
        return {ClassProblem::NoDriver, {}};
    m_service = service;
    m_ready = false;
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(Driver, m_connection);
    ClassProblem problem = connect(db, service);
    if (problem.ok())
        problem = checkSchema(db);
    m_ready = problem.ok();
    if (!m_ready)
        db.close();
    return problem;
}

// The game makes no tables: the administrator's set-up does, and gives each login its rights.
ClassProblem PostgresClassDatabase::checkSchema(QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromUtf8(ClassSchema::Exists)) || !query.next())
        return lost(query);
    if (!query.value(0).toBool())
        return {ClassProblem::NotSetUp, u"no tables"_s};
    if (!query.exec(QString::fromUtf8(ClassSchema::ReadVersion)) || !query.next()) {
        // A login the set-up was not given may not even read the version.
        if (query.lastError().nativeErrorCode() == InsufficientPrivilege)
            return {ClassProblem::NotSetUp, query.lastError().databaseText()};
        return lost(query);
    }
    const int version = query.value(0).toInt();
    if (version > ClassSchema::Version)
        return {ClassProblem::LaterSchema, QString::number(version)};
    if (version < ClassSchema::Version)
        return {ClassProblem::NotSetUp, u"version "_s + QString::number(version)};
    return {};
}

ClassProblem PostgresClassDatabase::send(
    const QList<PracticeRound> &rounds, const QString &computer)
{
    if (rounds.isEmpty())
        return {};
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_ready || !db.isOpen())
        return {ClassProblem::Unreachable, {}};
    QStringList rows;
    rows.reserve(rounds.size());
    for (qsizetype n = 0; n < rounds.size(); ++n)
        rows.append(QString::fromUtf8(ClassSchema::InsertRow));
    if (!db.transaction())
        return lost(db.lastError());
    QSqlQuery query(db);
    if (!query.prepare(QString::fromUtf8(ClassSchema::InsertHead) + rows.join(u", "_s)
            + QString::fromUtf8(ClassSchema::InsertTail)))
        return lost(query);
    for (const PracticeRound &round : rounds) {
        query.addBindValue(round.id.toString(QUuid::WithoutBraces));
        query.addBindValue(text(round.computer.isEmpty() ? computer : round.computer));
        query.addBindValue(text(round.player));
        query.addBindValue(round.when);
        query.addBindValue(text(round.list));
        query.addBindValue(text(round.word));
        query.addBindValue(Wordrow::resultName(round.result));
        query.addBindValue(round.misses);
        query.addBindValue(text(round.wrongLetters));
        query.addBindValue(kindName(round.kind));
        query.addBindValue(text(round.typed));
        query.addBindValue(timeOrNull(round.testStarted));
    }
    if (!query.exec())
        return lost(query);
    query.finish();
    // Only a commit the server confirmed counts: anything short of it, and the rounds go again.
    if (!db.commit())
        return lost(db.lastError());
    return {};
}

ClassProblem PostgresClassDatabase::readView(const QDateTime &weekStart, ClassView &view)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_ready || !db.isOpen())
        return {ClassProblem::Unreachable, {}};
    view = {};
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QString::fromUtf8(ClassSchema::Players));
    query.addBindValue(weekStart);
    query.addBindValue(weekStart);
    if (!query.exec())
        return lost(query);
    QHash<QString, qsizetype> byKey;
    while (query.next()) {
        byKey.insert(query.value(0).toString(), view.players.size());
        view.players.append({query.value(1).toString(), query.value(2).toInt(),
            query.value(3).toInt(), query.value(4).toInt(), query.value(5).toInt(), {}});
    }
    if (!query.exec(QString::fromUtf8(ClassSchema::TroubleWords)))
        return lost(query);
    while (query.next()) {
        const auto found = byKey.constFind(query.value(0).toString());
        if (found != byKey.cend())
            view.players[*found].troubleWords.append(
                {query.value(1).toString(), query.value(2).toInt()});
    }
    query.prepare(QString::fromUtf8(ClassSchema::MostMissed));
    query.addBindValue(ClassView::MostMissed);
    if (!query.exec())
        return lost(query);
    while (query.next())
        view.mostMissed.append({query.value(0).toString(), query.value(1).toInt(),
            query.value(2).toInt(), query.value(3).toInt()});
    return readListFigures(db, view.lists);
}

ClassProblem PostgresClassDatabase::readListFigures(
    QSqlDatabase &db, QList<ClassView::ListFigures> &lists)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromUtf8(ClassSchema::ListNames)))
        return lost(query);
    QStringList names;
    while (query.next())
        names.append(query.value(u"name"_s).toString());
    if (names.isEmpty())
        return {};
    // The rounds know a list by the file its computers keep it under, so the names go to the
    // server with their files, as one bound value.
    const QStringList files = ClassListNames::fileNames(names);
    QJsonObject byFile;
    for (qsizetype i = 0; i < names.size(); ++i)
        byFile.insert(files.at(i), names.at(i));
    const QString bound = QString::fromUtf8(QJsonDocument(byFile).toJson(QJsonDocument::Compact));

    QHash<QString, qsizetype> byName;
    const auto figures = [&](const QString &name) -> ClassView::ListFigures & {
        const auto found = byName.constFind(name);
        if (found != byName.cend())
            return lists[*found];
        byName.insert(name, lists.size());
        lists.append({name, 0, {}, {}});
        return lists.last();
    };
    query.prepare(QString::fromUtf8(ClassSchema::ListChildren));
    query.addBindValue(bound);
    if (!query.exec())
        return lost(query);
    while (query.next())
        figures(query.value(u"name"_s).toString()).children = query.value(u"children"_s).toInt();
    query.prepare(QString::fromUtf8(ClassSchema::ListMostMissed));
    query.addBindValue(bound);
    query.addBindValue(ClassView::MostMissedPerList);
    if (!query.exec())
        return lost(query);
    while (query.next()) {
        figures(query.value(u"name"_s).toString())
            .mostMissed.append(
                {query.value(u"word"_s).toString(), query.value(u"misses"_s).toInt(), 0, 0});
    }
    query.prepare(QString::fromUtf8(ClassSchema::ListFirstTests));
    query.addBindValue(bound);
    if (!query.exec())
        return lost(query);
    while (query.next()) {
        figures(query.value(u"name"_s).toString())
            .firstTests.append({query.value(u"player"_s).toString(),
                query.value(u"right_answers"_s).toInt(), query.value(u"asked"_s).toInt()});
    }
    // By name, a list first met in the later figures too.
    std::sort(
        lists.begin(), lists.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
    return {};
}

ClassProblem PostgresClassDatabase::readRounds(QList<PracticeRound> &rounds)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_ready || !db.isOpen())
        return {ClassProblem::Unreachable, {}};
    rounds.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromUtf8(ClassSchema::Rounds)))
        return lost(query);
    while (query.next()) {
        PracticeRound round;
        round.id = QUuid::fromString(query.value(0).toString());
        round.player = query.value(1).toString();
        round.when = query.value(2).toDateTime();
        round.list = query.value(3).toString();
        round.word = query.value(4).toString();
        round.result = resultOf(query.value(5).toString());
        round.misses = query.value(6).toInt();
        round.wrongLetters = query.value(7).toString();
        round.kind = kindOf(query.value(8).toString());
        round.typed = query.value(9).toString();
        round.testStarted = query.value(10).toDateTime();
        rounds.append(round);
    }
    return {};
}

bool PostgresClassDatabase::ready(QSqlDatabase &db) const
{
    db = QSqlDatabase::database(m_connection, false);
    return m_ready && db.isOpen();
}

ClassProblem PostgresClassDatabase::readLists(QList<ClassList> &lists)
{
    QSqlDatabase db;
    if (!ready(db))
        return {ClassProblem::Unreachable, {}};
    lists.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromUtf8(ClassSchema::Lists)))
        return lost(query);
    while (query.next()) {
        lists.append({query.value(u"name"_s).toString(), texts(query.value(u"words"_s).toString()),
            texts(query.value(u"sentences"_s).toString()), query.value(u"this_week"_s).toBool(),
            query.value(u"updated_at"_s).toDateTime()});
    }
    return {};
}

ClassProblem PostgresClassDatabase::publishList(const ClassList &list)
{
    QSqlDatabase db;
    if (!ready(db))
        return {ClassProblem::Unreachable, {}};
    QSqlQuery query(db);
    query.prepare(QString::fromUtf8(ClassSchema::PublishList));
    query.addBindValue(text(list.name));
    query.addBindValue(jsonArray(list.words));
    query.addBindValue(jsonArray(list.sentences));
    if (!query.exec())
        return lost(query);
    return {};
}

ClassProblem PostgresClassDatabase::withdrawList(const QString &name)
{
    QSqlDatabase db;
    if (!ready(db))
        return {ClassProblem::Unreachable, {}};
    QSqlQuery query(db);
    query.prepare(QString::fromUtf8(ClassSchema::WithdrawList));
    query.addBindValue(text(name));
    if (!query.exec())
        return lost(query);
    return {};
}

ClassProblem PostgresClassDatabase::markThisWeek(const QString &name)
{
    QSqlDatabase db;
    if (!ready(db))
        return {ClassProblem::Unreachable, {}};
    if (!db.transaction())
        return lost(db.lastError());
    QSqlQuery query(db);
    query.prepare(QString::fromUtf8(ClassSchema::ClearThisWeek));
    query.addBindValue(text(name));
    if (!query.exec())
        return lost(query);
    if (!name.isEmpty()) {
        query.prepare(QString::fromUtf8(ClassSchema::SetThisWeek));
        query.addBindValue(name);
        if (!query.exec())
            return lost(query);
        // Withdrawn meanwhile, on another computer: the week keeps the list it had.
        if (query.numRowsAffected() != 1) {
            db.rollback();
            return {ClassProblem::Failed, u"the list \"%1\" is no longer published"_s.arg(name)};
        }
    }
    query.finish();
    if (!db.commit())
        return lost(db.lastError());
    return {};
}
