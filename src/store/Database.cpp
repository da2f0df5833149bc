#include "store/Database.h"

#include "platform/core/LogCategories.h"
#include "store/DatabaseError.h"
#include "store/DatabaseLocation.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

// Milliseconds a statement waits for a file that another station has locked.
constexpr int sqliteBusyTimeoutMs = 15000;
// Seconds a connection waits for a server that does not answer.
constexpr int serverConnectTimeoutSeconds = 10;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return u"chronel-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (!error.driverText().isEmpty() && !text.contains(error.driverText()))
        text += u"\n"_s + error.driverText();
    return text.trimmed();
}

// Why the database cannot be reached, in the driver's words: their first line, as the
// lines after it are hints for programmers.
QString unreachableText(const QSqlError &error)
{
    for (const QString &source : {error.databaseText(), error.driverText()}) {
        const QString line = source.section(u'\n', 0, 0, QString::SectionSkipEmpty).simplified();
        if (!line.isEmpty())
            return line;
    }
    return QObject::tr("the connection was lost");
}

QSqlDatabase openSqlite(const QString &name, const QString &file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
    db.setDatabaseName(file);
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(sqliteBusyTimeoutMs));
    return db;
}

QSqlDatabase openPostgres(const QString &name, const QString &uri)
{
    const QUrl url(uri);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    db.setHostName(url.host());
    db.setPort(url.port(5432));
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
    QStringList options;
    const QUrlQuery parameters(url);
    const auto items = parameters.queryItems(QUrl::FullyDecoded);
    for (const auto &[key, value] : items)
        options << key + u'=' + value;
    // A server that does not answer at all (a network down rather than a server
    // refusing) would otherwise hold the station for minutes at every action.
    if (!parameters.hasQueryItem(u"connect_timeout"_s))
        options << u"connect_timeout=%1"_s.arg(serverConnectTimeoutSeconds);
    db.setConnectOptions(options.join(u';'));
    return db;
}

} // namespace

Database::Database(const QString &location)
    : m_connectionName(nextConnectionName()), m_location(location),
      m_dialect(DatabaseLocation::isServerUri(location) ? SqlDialect::Engine::PostgreSql
                                                        : SqlDialect::Engine::Sqlite)
{
    // SQLite would only say that it cannot open the file.
    if (folderMissing(location))
        throw DatabaseError(QObject::tr("the folder %1 is not there")
                                .arg(QDir::toNativeSeparators(QFileInfo(location).absolutePath())),
                            DatabaseError::Kind::Unreachable);
    QSqlDatabase db = m_dialect.engine() == SqlDialect::Engine::Sqlite
                          ? openSqlite(m_connectionName, location)
                          : openPostgres(m_connectionName, location);
    if (!db.open()) {
        const QString text = unreachableText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DatabaseError(text, DatabaseError::Kind::Unreachable);
    }
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (m_inTransaction)
            rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::fileMissing(const QString &location)
{
    return !DatabaseLocation::isServerUri(location) && !QFile::exists(location);
}

bool Database::folderMissing(const QString &location)
{
    return !DatabaseLocation::isServerUri(location) && !QFileInfo(location).absoluteDir().exists();
}

int Database::exec(const QString &sql, const QVariantList &values)
{
    return run(sql, values).numRowsAffected();
}

QList<SqlRow> Database::select(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(sql, values);
    QList<SqlRow> rows;
    while (query.next())
        rows.append(SqlRow(query.record()));
    return rows;
}

QSqlQuery Database::run(const QString &sql, const QVariantList &values)
{
    if (m_lost || !QSqlDatabase::database(m_connectionName, false).isOpen()) {
        // A transaction whose connection went has nothing left to run on.
        if (m_inTransaction)
            throw DatabaseError(QObject::tr("the connection was lost"),
                                DatabaseError::Kind::Unreachable);
        // It went at an earlier statement, or could not be made again then.
        reconnect();
    }
    for (int attempt = 0;; ++attempt) {
        QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
        query.setForwardOnly(true);
        bool ok;
        if (values.isEmpty()) {
            ok = query.exec(sql);
        } else {
            ok = query.prepare(sql);
            for (const QVariant &value : values)
                query.addBindValue(value);
            ok = ok && query.exec();
        }
        if (ok)
            return query;
        const bool lost = connectionLost(query.lastError());
        // A server restart drops the connection and the driver does not reconnect by
        // itself. Inside a transaction the earlier statements are lost with it, so only a
        // statement of its own is tried again.
        if (lost && attempt == 0 && !m_inTransaction) {
            reconnect();
            continue;
        }
        fail(query, lost);
    }
}

bool Database::connectionLost(const QSqlError &error) const
{
    if (!QSqlDatabase::database(m_connectionName, false).isOpen())
        return true;
    const QString code = error.nativeErrorCode();
    if (m_dialect.engine() == SqlDialect::Engine::Sqlite) {
        // The file can no longer be opened or read, or is no longer where it was opened:
        // its shared folder went away.
        constexpr int readOnly = 8;    // SQLITE_READONLY, also for a file that moved
        constexpr int ioError = 10;    // SQLITE_IOERR
        constexpr int cannotOpen = 14; // SQLITE_CANTOPEN
        const int primary = code.toInt() & 0xff;
        return primary == cannotOpen || primary == ioError ||
               (primary == readOnly && !QFile::exists(m_location));
    }
    // Connection exceptions, and the server shutting down or restarting.
    return code.startsWith(u"08"_s) || code.startsWith(u"57P"_s);
}

void Database::reconnect()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    db.close();
    m_lost = false;
    // Opening a file that went away would make an empty database in its place.
    if (Database::fileMissing(m_location))
        throw DatabaseError(
            QObject::tr("%1 is not there").arg(QDir::toNativeSeparators(m_location)),
            DatabaseError::Kind::Unreachable);
    if (!db.open()) {
        const QString text = unreachableText(db.lastError());
        qCInfo(lcDatabase).noquote()
            << DatabaseLocation::shown(m_location) << "cannot be reached again:" << text;
        throw DatabaseError(text, DatabaseError::Kind::Unreachable);
    }
    qCInfo(lcDatabase).noquote() << "Connected again to" << DatabaseLocation::shown(m_location);
}

void Database::fail(QSqlQuery &query, bool lost)
{
    const QSqlError error = query.lastError();
    if (m_inTransaction)
        m_failedInTransaction = std::make_unique<QSqlQuery>(std::move(query));
    if (lost) {
        // Made again before the next statement: a file handle may outlive its share.
        m_lost = true;
        throw DatabaseError(unreachableText(error), DatabaseError::Kind::Unreachable);
    }
    throw DatabaseError(errorText(error));
}

SqlRow Database::first(const QString &sql, const QVariantList &values)
{
    const QList<SqlRow> rows = select(sql, values);
    if (rows.isEmpty())
        throw DatabaseError(QObject::tr("No row found for: %1").arg(sql));
    return rows.first();
}

bool Database::hasTable(const QString &table) const
{
    return QSqlDatabase::database(m_connectionName, false)
        .tables(QSql::Tables)
        .contains(table, Qt::CaseInsensitive);
}

bool Database::hasColumn(const QString &table, const QString &column)
{
    QSqlQuery query = run(u"select * from "_s + table + u" where 1 = 0"_s, {});
    return query.record().indexOf(column) >= 0;
}

void Database::beginTransaction()
{
    if (m_inTransaction)
        throw DatabaseError(QObject::tr("A transaction is already open"));
    exec(m_dialect.beginTransaction());
    m_inTransaction = true;
}

void Database::commit()
{
    exec(u"commit"_s);
    m_inTransaction = false;
    m_failedInTransaction.reset();
}

void Database::rollback() noexcept
{
    // A connection that went took its transaction with it.
    if (QSqlDatabase db = QSqlDatabase::database(m_connectionName, false); db.isOpen()) {
        QSqlQuery query(db);
        query.exec(u"rollback"_s);
    }
    m_inTransaction = false;
    m_failedInTransaction.reset();
}
