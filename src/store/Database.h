#pragma once

#include "store/SqlDialect.h"
#include "store/SqlRow.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <unordered_map>

class QSqlError;
class QSqlQuery;

// The one connection of a program: a SQLite file, or a PostgreSQL server named by a
// postgresql:// URI. Every statement binds its values. Errors throw DatabaseError
// with the driver's text; a connection that is gone throws it as unreachable and is
// made again at the next statement. Each statement text is prepared once per connection
// and only bound and run again after that.
class Database
{
public:
    // Opens the connection. A SQLite file that does not exist yet is created; one whose
    // folder is not there is unreachable.
    explicit Database(const QString &location);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // True when `location` names a SQLite file that is not there.
    static bool fileMissing(const QString &location);
    // True when `location` names a SQLite file in a folder that is not there: a shared
    // folder out of reach, where no database can be made either.
    static bool folderMissing(const QString &location);
    // True when `location` is a SQLite file in the Chronel home, which only this computer
    // uses; any other file may lie in a folder that other stations share.
    static bool isLocalFile(const QString &location);

    const QString &location() const { return m_location; }
    const SqlDialect &dialect() const { return m_dialect; }

    // Runs a statement that returns no rows; returns the number of rows it changed.
    int exec(const QString &sql, const QVariantList &values = {});
    QList<SqlRow> select(const QString &sql, const QVariantList &values = {});
    // The first row; throws when the query returns none.
    SqlRow first(const QString &sql, const QVariantList &values = {});

    // Tables are added, never dropped, so a table once seen is not looked up again
    // (unless the transaction that made it is rolled back).
    bool hasTable(const QString &table) const;
    // `table` as it is written in SQL.
    bool hasColumn(const QString &table, const QString &column);

    // Sees every statement with its values before it runs, so a measurement can replay
    // what an operation sent; an empty function stops it.
    using Observer = std::function<void(const QString &sql, const QVariantList &values)>;
    void observe(Observer observer) { m_observer = std::move(observer); }

    // Used by Transaction only.
    void beginTransaction();
    void commit();
    void rollback() noexcept;
    bool inTransaction() const { return m_inTransaction; }

private:
    enum class Reuse
    {
        Keep,
        Once // the statement's columns may change with the schema
    };

    QString m_connectionName;
    QString m_location;
    SqlDialect m_dialect;
    bool m_inTransaction = false;
    // The connection went; it is made again before the next statement.
    bool m_lost = false;
    // PostgreSQL cannot free a statement that failed inside a transaction until the
    // rollback (Qt would warn); it is kept until then.
    std::unique_ptr<QSqlQuery> m_failedInTransaction;
    // The prepared statements of this connection, by their text.
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_statements;
    // The last statement that is not kept.
    std::unique_ptr<QSqlQuery> m_once;
    // Tables this connection has seen, in lower case.
    mutable QStringList m_tablesSeen;
    Observer m_observer;

    QSqlQuery &run(const QString &sql, const QVariantList &values, Reuse reuse = Reuse::Keep);
    bool keepable(const QString &sql) const;
    QSqlQuery *kept(const QString &sql, bool &prepared);
    QSqlQuery &once();
    void connect();
    void disconnect() noexcept;
    void chooseJournal();
    bool connectionLost(const QSqlError &error) const;
    void reconnect();
    [[noreturn]] void fail(QSqlQuery &query, bool lost);
};
