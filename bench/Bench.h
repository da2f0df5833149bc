#pragma once

#include "BenchTable.h"

#include <QList>
#include <QString>
#include <QVariantList>

// Measures the figures and fills the table. Databases: SQLite files in the Chronel home
// (which the caller points at a temporary folder), and on the PostgreSQL server of
// CHRONEL_TEST_PG_URI, when set, databases of its own that it drops at the end.
class Bench
{
public:
    struct Options
    {
        bool quick = false; // a 10k log only, and few rounds
        QString serverUri;  // empty: SQLite only
        QString program;    // this program, run again for the start-up figure
    };

    explicit Bench(const Options &options) : m_options(options) {}

    void run();
    const BenchTable &table() const { return m_table; }

    // Run in a process of its own: the station's start-up on the database of the Chronel
    // home; prints the milliseconds and the resident memory in kB.
    static int startupProbe();

    struct Statement
    {
        QString sql;
        QVariantList values;
    };

private:
    void clockingFigures(const QString &engine, const QString &location);
    void concurrencyFigure(const QString &location);
    void reportFigures(const QString &engine, const QString &smallLocation,
                       const QString &largeLocation, int smallRows);
    void startupFigure();

    int rounds(int full) const { return m_options.quick ? std::max(3, full / 10) : full; }
    int logRows() const { return m_options.quick ? 10'000 : 1'000'000; }

    Options m_options;
    BenchTable m_table;
    // The statements of one clock-in, and its card: the reference replays them.
    QList<Statement> m_trace;
    QString m_tracedCard;
};
