#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Database;

// A fresh database on one engine for one test: a SQLite file in a temporary folder, or
// a new database on the PostgreSQL server that CHRONEL_TEST_PG_URI names.
class TestDatabase
{
public:
    // Adds the engine column and one row per engine to a test's data table.
    static void addEngineRows();
    // Skips the test when the engine cannot be reached; under CI that is a failure.
    // Returns false when the calling test must return.
    static bool available(const QString &engine);

    explicit TestDatabase(const QString &engine);
    ~TestDatabase();

    // Where the database is: a file path or a postgresql:// URI.
    const QString &location() const { return m_location; }

    // The names of the indexes in `db`, sorted.
    static QStringList indexNames(Database &db);
    // The indexes a database made before the reports had theirs lacks.
    static const QStringList &reportIndexes();
    static void dropReportIndexes(Database &db);

private:
    QString m_engine;
    QString m_location;
    QString m_serverDatabase;
    QString m_folder;
};

// Fetches the engine row of the current test and returns from it when unavailable.
#define CHRONEL_FETCH_ENGINE(variable)                                                             \
    QFETCH(QString, engine);                                                                       \
    if (!TestDatabase::available(engine))                                                          \
        return;                                                                                    \
    TestDatabase variable(engine)
