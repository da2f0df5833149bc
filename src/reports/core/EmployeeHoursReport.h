#pragma once

#include "reports/core/ReportFile.h"
#include "store/NameList.h"

#include <QDate>
#include <QString>

class Database;
class Prompter;
class ReportPage;
class WorkedDays;

// One employee's days over a range of dates: the days missing a log-in, those missing a
// log-out, and the hours worked on each complete day.
class EmployeeHoursReport
{
public:
    struct Options
    {
        QString employee;   // the name the page shows
        QString cardNumber; // the clockings reported; empty when no employee is chosen
        QDate start;
        QDate end;
    };

    EmployeeHoursReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Every employee, in the order the list shows them. Throws DatabaseError.
    QList<NameList::Employee> employees();

    // Checks the options and writes the page; true when it is ready for the viewer.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    WorkedDays workedDays(const Options &options);
    static void writeDates(ReportPage &page, const QString &section, const QStringList &dates);
    static void writeValidDays(ReportPage &page, const WorkedDays &days);

    Database &m_db;
    Prompter &m_prompter;
};
