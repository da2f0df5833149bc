#pragma once

#include "reports/core/ReportTable.h"

#include <QDate>
#include <QString>

class Database;
class Prompter;

// The audit trail over a range of dates, of every kind of change or of one.
class AuditTrailReport
{
public:
    struct Options
    {
        QDate start;
        QDate end;
        QString kind; // a stored kind name; empty for every kind
    };

    AuditTrailReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // The rows in the order they were written. Throws DatabaseError.
    ReportTable table(const Options &options);

    // Writes the page to the report file; true when it can be viewed. A period without
    // rows is told and gives false.
    bool run(const Options &options);
    // Writes the table to `path`; true when it was written. Errors are shown.
    bool exportCsv(const Options &options, const QString &path);

private:
    Database &m_db;
    Prompter &m_prompter;
};
