#include "store/Database.h"

#include "platform/core/LogCategories.h"
#include "store/ChronelHome.h"
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
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Milliseconds a statement waits for a file that another station has locked.
constexpr int sqliteBusyTimeoutMs = 15000;
// Seconds a connection waits for a server that does not answer.
constexpr int serverConnectTimeoutSeconds = 10;

// Statements a server can prepare; the others (transaction control, locks, schema
// changes) run as they are. SQLite prepares transaction control too.
bool preparable(const QString &sql, SqlDialect::Engine engine)
{
    static const QStringList verbs = {u"select"_s, u"insert"_s, u"update"_s, u"delete"_s,
                                      u"with"_s};
    static const QStringList control = {u"begin"_s, u"commit"_s};
    const QStringView text = QStringView(sql).trimmed();
    const QStringView verb = text.left(text.indexOf(u' '));
    const auto among = [verb](const QStringList &words) {
        return std::any_of(words.begin(), words.end(), [verb](const QString &word) {
            return verb.compare(word, Qt::CaseInsensitive) == 0;
        });
    };
    return among(verbs) || (engine == SqlDialect::Engine::Sqlite && among(control));
}

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
    connect();
}

Database::~Database()
{
    if (m_inTransaction)
        rollback();
    // Lets SQLite gather the statistics the planner lacked during this connection, from a
    // sample, so that closing never reads a whole log.
    if (m_dialect.engine() == SqlDialect::Engine::Sqlite && !m_lost) {
        if (QSqlDatabase db = QSqlDatabase::database(m_connectionName, false); db.isOpen()) {
            QSqlQuery query(db);
            query.exec(u"pragma analysis_limit = 1000"_s);
            query.exec(u"pragma optimize"_s);
        }
    }
    disconnect();
}

void Database::connect()
{
    {
        QSqlDatabase db = m_dialect.engine() == SqlDialect::Engine::Sqlite
                              ? openSqlite(m_connectionName, m_location)
                              : openPostgres(m_connectionName, m_location);
        if (!db.open()) {
            const QString text = unreachableText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw DatabaseError(text, DatabaseError::Kind::Unreachable);
        }
    }
    if (m_dialect.engine() == SqlDialect::Engine::Sqlite)
        chooseJournal();
}

void Database::disconnect() noexcept
{
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    // Freed only now that their driver is gone: a server statement cannot be freed on a
    // connection that went, and Qt would warn for every one.
    m_statements.clear();
    m_once.reset();
    m_failedInTransaction.reset();
    m_tablesSeen.clear();
}

void Database::chooseJournal()
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (isLocalFile(m_location)) {
        // Readers and the writer no longer wait for each other, and a clocking costs one
        // write to disk; still flushed at every commit. A file with nothing in it yet is
        // left untouched (only the wizard makes databases); its next connection switches.
        query.exec(u"pragma synchronous = full"_s);
        // 16 MiB, filled only as pages are read: the index pages every card's clockings go
        // to stay in memory, rather than being read from the file again at each one.
        query.exec(u"pragma cache_size = -16384"_s);
        if (QFileInfo(m_location).size() > 0)
            query.exec(u"pragma journal_mode = wal"_s);
        return;
    }
    // The write-ahead log needs memory shared between the stations, which network file
    // systems do not give. A file once in the home keeps that mode until it is changed;
    // one that another station holds open is left as it is rather than waited for.
    query.exec(u"pragma journal_mode"_s);
    if (query.next() && query.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) == 0) {
        query.exec(u"pragma busy_timeout = 0"_s);
        query.exec(u"pragma journal_mode = delete"_s);
        query.exec(u"pragma busy_timeout = %1"_s.arg(sqliteBusyTimeoutMs));
    }
    query.finish();
}

bool Database::fileMissing(const QString &location)
{
    return !DatabaseLocation::isServerUri(location) && !QFile::exists(location);
}

bool Database::folderMissing(const QString &location)
{
    return !DatabaseLocation::isServerUri(location) && !QFileInfo(location).absoluteDir().exists();
}

bool Database::isLocalFile(const QString &location)
{
    if (DatabaseLocation::isServerUri(location))
        return false;
    const QString home = QFileInfo(ChronelHome::folder()).canonicalFilePath();
    const QString folder = QFileInfo(location).absoluteDir().canonicalPath();
    return !home.isEmpty() && (folder == home || folder.startsWith(home + u'/'));
}

int Database::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery &query = run(sql, values);
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

QList<SqlRow> Database::select(const QString &sql, const QVariantList &values)
{
    QSqlQuery &query = run(sql, values);
    QList<SqlRow> rows;
    QStringList columns;
    while (query.next()) {
        if (rows.isEmpty()) {
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                columns << record.fieldName(i);
        }
        QStringList texts;
        texts.reserve(columns.size());
        // A null number would read as "0" from some drivers.
        for (int i = 0; i < columns.size(); ++i)
            texts << (query.isNull(i) ? QString() : query.value(i).toString());
        rows.append(SqlRow(columns, std::move(texts)));
    }
    // A statement kept open would hold its read of the file.
    query.finish();
    return rows;
}

QSqlQuery &Database::run(const QString &sql, const QVariantList &values, Reuse reuse)
{
    if (m_lost || !QSqlDatabase::database(m_connectionName, false).isOpen()) {
        // A transaction whose connection went has nothing left to run on.
        if (m_inTransaction)
            throw DatabaseError(QObject::tr("the connection was lost"),
                                DatabaseError::Kind::Unreachable);
        // It went at an earlier statement, or could not be made again then.
        reconnect();
    }
    if (m_observer)
        m_observer(sql, values);
    for (int attempt = 0;; ++attempt) {
        QSqlQuery *query = nullptr;
        bool ok;
        // A statement run before is found before its text is looked at.
        const auto found = reuse == Reuse::Keep ? m_statements.find(sql) : m_statements.end();
        const bool keep = found != m_statements.end() || (reuse == Reuse::Keep && keepable(sql));
        const bool prepared = !values.isEmpty() || keep;
        if (found != m_statements.end()) {
            query = found->second.get();
            ok = true;
        } else if (keep) {
            query = kept(sql, ok);
        } else {
            query = &once();
            ok = !prepared || query->prepare(sql);
        }
        if (ok) {
            for (qsizetype i = 0; i < values.size(); ++i)
                query->bindValue(int(i), values[i]);
            ok = prepared ? query->exec() : query->exec(sql);
        }
        if (ok)
            return *query;
        const bool lost = connectionLost(query->lastError());
        // A server restart drops the connection and the driver does not reconnect by
        // itself. Inside a transaction the earlier statements are lost with it, so only a
        // statement of its own is tried again.
        if (lost && attempt == 0 && !m_inTransaction) {
            reconnect();
            continue;
        }
        fail(*query, lost);
    }
}

bool Database::keepable(const QString &sql) const
{
    return preparable(sql, m_dialect.engine());
}

QSqlQuery *Database::kept(const QString &sql, bool &prepared)
{
    QSqlQuery &query = once();
    prepared = query.prepare(sql);
    if (!prepared)
        return &query;
    auto kept = std::move(m_once);
    return m_statements.emplace(sql, std::move(kept)).first->second.get();
}

QSqlQuery &Database::once()
{
    m_once = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connectionName, false));
    m_once->setForwardOnly(true);
    return *m_once;
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
    disconnect();
    m_lost = false;
    // Opening a file that went away would make an empty database in its place.
    if (Database::fileMissing(m_location))
        throw DatabaseError(
            QObject::tr("%1 is not there").arg(QDir::toNativeSeparators(m_location)),
            DatabaseError::Kind::Unreachable);
    try {
        connect();
    } catch (const DatabaseError &error) {
        qCInfo(lcDatabase).noquote()
            << DatabaseLocation::shown(m_location) << "cannot be reached again:" << error.text();
        throw;
    }
    qCInfo(lcDatabase).noquote() << "Connected again to" << DatabaseLocation::shown(m_location);
}

void Database::fail(QSqlQuery &query, bool lost)
{
    const QSqlError error = query.lastError();
    // A kept statement stays where it is.
    if (m_inTransaction && &query == m_once.get())
        m_failedInTransaction = std::move(m_once);
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
    if (m_tablesSeen.contains(table))
        return true;
    const QString name = table.toLower();
    if (m_tablesSeen.contains(name))
        return true;
    QStringList seen = QSqlDatabase::database(m_connectionName, false).tables(QSql::Tables);
    for (QString &present : seen)
        present = present.toLower();
    m_tablesSeen = std::move(seen);
    return m_tablesSeen.contains(name);
}

bool Database::hasColumn(const QString &table, const QString &column)
{
    QSqlQuery &query = run(u"select * from "_s + table + u" where 1 = 0"_s, {}, Reuse::Once);
    const bool found = query.record().indexOf(column) >= 0;
    query.finish();
    return found;
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
    // Tables made in the transaction go with it.
    m_tablesSeen.clear();
    // A connection that went took its transaction with it.
    if (QSqlDatabase db = QSqlDatabase::database(m_connectionName, false); db.isOpen()) {
        QSqlQuery query(db);
        query.exec(u"rollback"_s);
    }
    m_inTransaction = false;
    m_failedInTransaction.reset();
}
