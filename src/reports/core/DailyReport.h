#pragma once

#include "reports/core/ReportFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Database;
class Prompter;
class ReportPage;
struct StartupValues;

// The clockings of one day: the log-ins, the log-outs or both, and on request the breaks
// taken that day, written to the report file.
class DailyReport
{
public:
    struct Options
    {
        QDate date;
        bool logIns = false;
        bool logOuts = false;
        bool breaks = false;
    };

    // `values` give the break names and the number of breaks a day.
    DailyReport(Database &db, Prompter &prompter, const StartupValues &values)
        : m_db(db), m_prompter(prompter), m_values(values)
    {
    }

    // True when the page was written whole and can be viewed.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    bool writeLogSection(ReportPage &page, const QString &type, const QString &date,
                         bool stopWhenEmpty);
    void writeBreaks(ReportPage &page, const QString &date);

    Database &m_db;
    Prompter &m_prompter;
    const StartupValues &m_values;
};
