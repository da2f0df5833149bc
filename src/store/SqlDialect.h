#pragma once

#include <QString>

// The few places where SQLite and PostgreSQL need different SQL. Feature code writes
// portable statements and asks this class for the rest.
class SqlDialect
{
public:
    enum class Engine
    {
        Sqlite,
        PostgreSql
    };

    explicit SqlDialect(Engine engine) : m_engine(engine) {}

    Engine engine() const { return m_engine; }

    // Column definition of an automatically numbered integer key.
    QString autoIdColumn(const QString &name) const;
    // Starts a transaction that holds the write lock from its first statement on, so a
    // read followed by a write cannot be overtaken by another station.
    QString beginTransaction() const;
    // Suffix of a select whose rows the transaction is about to change.
    QString forUpdate() const;
    // True when several writes can go as one statement (data-modifying WITH clauses),
    // which saves a round trip to the server for each.
    bool writesInOneStatement() const { return m_engine == Engine::PostgreSql; }
    // Statement that keeps other writers of `table` out until the transaction ends; empty
    // where the transaction's begin already does.
    QString lockTable(const QString &table) const;

    // Query of the names (column `name`) of the indexes in the database.
    QString indexNamesQuery() const;
    // Statement that lets the planner know the values of a table's indexed expressions,
    // after indexes were added to a table that holds rows; empty where the engine does
    // without (SQLite gathers them as a connection closes).
    QString gatherStatistics(const QString &table) const;

    // Statement that keeps other stations from changing the tables' structure until the
    // transaction ends; empty where the transaction's begin already does.
    QString schemaLock() const;

    // SQL, the same on both engines: a stored MM/DD/YY date column as YYMMDD text, which
    // sorts like the dates (years 2000 to 2099). An index on it serves only queries that
    // spell it the same way, so both take it from here.
    static QString dateKey(const QString &column);

private:
    Engine m_engine;
};
