#pragma once

#include "reports/core/ReportFile.h"

#include <QDate>

class Database;
class Prompter;
class ReportPage;

// The log-ins, the log-outs or both of all employees over a range of dates, written to
// the report file.
class MonthlyReport
{
public:
    struct Options
    {
        QDate start;
        QDate end;
        bool logIns = false;
        bool logOuts = false;
    };

    MonthlyReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // True when the page was written whole and can be viewed.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    bool writeSection(ReportPage &page, const QString &type, const Options &options,
                      bool stopWhenEmpty);

    Database &m_db;
    Prompter &m_prompter;
};
