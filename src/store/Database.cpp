#include "Database.h"

#include "DatabaseError.h"
#include "DatabaseLocation.h"

#include <QAtomicInt>
#include <QFile>
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
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto &[key, value] : items)
        options << key + u'=' + value;
    db.setConnectOptions(options.join(u';'));
    return db;
}

} // namespace

Database::Database(const QString &location)
    : m_connectionName(nextConnectionName()), m_location(location),
      m_dialect(DatabaseLocation::isServerUri(location) ? SqlDialect::Engine::PostgreSql
                                                        : SqlDialect::Engine::Sqlite)
{
    QSqlDatabase db = m_dialect.engine() == SqlDialect::Engine::Sqlite
                          ? openSqlite(m_connectionName, location)
                          : openPostgres(m_connectionName, location);
    if (!db.open()) {
        const QString text = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw DatabaseError(text);
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
        if (attempt == 0 && reconnected())
            continue;
        fail(query);
    }
}

bool Database::reconnected()
{
    // A server restart drops the connection and the driver does not reconnect by itself.
    // Inside a transaction the earlier statements are lost with it, so only a statement
    // of its own is tried again.
    if (m_dialect.engine() != SqlDialect::Engine::PostgreSql || m_inTransaction)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (QSqlQuery(db).exec(u"select 1"_s))
        return false;
    db.close();
    return db.open();
}

void Database::fail(QSqlQuery &query)
{
    const QString text = errorText(query.lastError());
    if (m_inTransaction)
        m_failedInTransaction = std::make_unique<QSqlQuery>(std::move(query));
    throw DatabaseError(text);
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
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.exec(u"rollback"_s);
    m_inTransaction = false;
    m_failedInTransaction.reset();
}
