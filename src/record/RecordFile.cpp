#include "record/RecordFile.h"

#include "platform/MessageBoxes.h"
#include "record/RecordSql.h"

#include <QAtomicInt>
#include <QByteArrayView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

QAtomicInt connectionCount;

// A write-ahead log makes keeping a round one append, without waiting for the disk, and a game
// killed mid-write still leaves every round before it whole.
constexpr auto UseWriteAheadLog = R"(PRAGMA journal_mode = WAL)"_L1;
constexpr auto SyncNormally = R"(PRAGMA synchronous = NORMAL)"_L1;

} // namespace

RecordFile::RecordFile(std::function<QString()> homeDir, MessageBoxes &messages)
    : m_homeDir(std::move(homeDir))
    , m_messages(messages)
    , m_connection(u"wordrow-record-"_s + QString::number(connectionCount.fetchAndAddRelaxed(1)))
{
}

RecordFile::~RecordFile()
{
    close();
}

QString RecordFile::path() const
{
    return QDir(m_homeDir()).filePath(FileName.toString());
}

QSqlDatabase RecordFile::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void RecordFile::close()
{
    m_open = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

RecordFile::State RecordFile::open(bool create)
{
    if (m_open)
        return State::Ready;
    if (!create && !QFile::exists(path()))
        return State::Missing;
    State result = tryOpen(create);
    if (result == State::Damaged) {
        close();
        if (!setAside())
            return State::Failed;
        result = create ? tryOpen(true) : State::Missing;
    }
    if (result == State::Ready) {
        QSqlQuery query(database());
        result = RecordSql::exec(query, UseWriteAheadLog) && RecordSql::exec(query, SyncNormally)
            ? State::Ready
            : State::Failed;
    }
    if (result == State::Ready)
        m_open = true;
    else
        close();
    if (result == State::UpgradeFailed || (result == State::Failed && isEarlierVersion()))
        sayUpgradeFailed();
    return result == State::Ready || result == State::Missing ? result : State::Failed;
}

RecordFile::State RecordFile::tryOpen(bool create)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? database()
        : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(path());
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(BusyTimeoutMs));
    if (!db.open()) {
        qCWarning(lcRecord).noquote()
            << "practice record:" << path() << "cannot be opened:" << db.lastError().text();
        return State::Failed;
    }
    return RecordSchema::bringUpToDate(db, create);
}

void RecordFile::sayUpgradeFailed()
{
    if (m_upgradeFailureSaid)
        return;
    m_upgradeFailureSaid = true;
    m_messages.inform(u"The practice record "_s + QDir::toNativeSeparators(path())
            + u" could not be brought up to date for this version of Wordrow: the disk may be "
              u"full, or the game's folder cannot be written.\n\n"
              u"The record is kept as it was. Wordrow tries again with each round; until then "
              u"no rounds are kept."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
}

// A disk that is full or read-only may not even let SQLite open the file; its header still says
// whether it is an earlier record of ours, waiting for its upgrade.
bool RecordFile::isEarlierVersion() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    const auto number
        = [&header](int at) { return qFromBigEndian<qint32>(header.constData() + at); };
    return number(68) == RecordSchema::ApplicationId && number(60) >= 1
        && number(60) < RecordSchema::Version;
}

bool RecordFile::setAside()
{
    const QString original = path();
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    QString aside = original + u".damaged-"_s + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = original + u".damaged-"_s + stamp + u'-' + QString::number(n);
    if (!QFile::rename(original, aside)) {
        qCWarning(lcRecord).noquote() << "practice record:" << original << "cannot be set aside";
        return false;
    }
    // A journal or log left beside it belongs to the old file: it must not be played into the
    // new one.
    for (const QString &suffix : {u"-journal"_s, u"-wal"_s, u"-shm"_s}) {
        if (QFileInfo::exists(original + suffix))
            QFile::rename(original + suffix, aside + suffix);
    }
    m_messages.inform(u"The practice record "_s + QDir::toNativeSeparators(original)
            + u" could not be read: it is damaged, or it is not a Wordrow record.\n\n"
              u"It has been kept as "_s
            + QFileInfo(aside).fileName() + u", and a new record starts now."_s,
        u"Wordrow"_s, MessageBoxes::Icon::Information);
    return true;
}
