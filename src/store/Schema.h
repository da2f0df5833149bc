#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The tables of a Chronel database and the rows a new database starts with.
namespace Schema {

struct Index
{
    QString name;
    QString columns; // SQL: the columns or expressions, comma-separated
};

struct Table
{
    QString name;
    bool hasId = false;   // an automatically numbered `id` key before the columns
    QStringList columns;  // all text
    QStringList firstRow; // the one row of a single-row table; empty for the others
    QStringList indexed;  // columns worth an index for lookups
    // Indexes of several columns or of an expression: the days and date ranges of the
    // reports, and a card's day.
    QList<Index> composite = {};
};

const QList<Table> &tables();

// A table name as it must appear in SQL ("authorization" is reserved on PostgreSQL).
QString sqlName(const QString &table);

// True when the database holds the Chronel tables.
bool isPresent(const Database &db);

// Creates one table with its indexes and its first row.
void createTable(Database &db, const Table &table);

// Inserts the first row of a single-row table.
void addFirstRow(Database &db, const Table &table);

// Creates every table in one transaction: a new database, ready for the set-up wizard.
void create(Database &db);

// Brings a database made by an earlier version up to this one: the tables, columns and
// indexes it lacks, each only where missing; run it inside a transaction. Tables that
// only the updater adds are left to it. True when a table or column was added.
bool upgrade(Database &db);

} // namespace Schema
