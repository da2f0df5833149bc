#pragma once

#include "reports/core/ReportFile.h"

#include <QDate>
#include <QString>

class Database;
class Prompter;
class ReportPage;

// The employees without a log-in, without a log-out, or both lists, on one day, written
// to the report file. Employees are matched to their clockings by card number, so one
// renamed since, or sharing a name, is still told apart.
class NoClockReport
{
public:
    struct Options
    {
        QDate date;
        bool noClockIns = false;
        bool noClockOuts = false;
    };

    NoClockReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // True when the page was written whole and can be viewed.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    bool writeSection(ReportPage &page, const QString &type, const QString &date);

    Database &m_db;
    Prompter &m_prompter;
};
