#pragma once

#include "reports/core/ReportFile.h"
#include "store/NameList.h"

#include <QDate>
#include <QString>

class BreakOccurrences;
class Database;
class Prompter;
class ReportPage;
struct StartupValues;

// One employee's breaks over a period: those begun and never ended, and the completed
// ones with their durations, a day's breaks side by side when there are several a day.
class BreakOccurrenceReport
{
public:
    struct Options
    {
        QString employee;   // the name the page shows
        QString cardNumber; // the breaks reported; empty when no employee is chosen
        QDate start;
        QDate end;
    };

    // `values` gives the number of breaks a day and their names, as read at start-up.
    BreakOccurrenceReport(Database &db, Prompter &prompter, const StartupValues &values)
        : m_db(db), m_prompter(prompter), m_values(values)
    {
    }

    // Every employee, in the order the list shows them. Throws DatabaseError.
    QList<NameList::Employee> employees();

    // Checks the options and writes the page; true when it is ready for the viewer.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    bool stillEmployed(const Options &options);
    BreakOccurrences occurrences(const QString &card, const Options &options);
    void writeBreaks(ReportPage &page, const BreakOccurrences &found) const;

    Database &m_db;
    Prompter &m_prompter;
    const StartupValues &m_values;
};
