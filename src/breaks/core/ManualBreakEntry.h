#pragma once

#include "platform/core/TimeEntry.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;
class Database;
class Prompter;

// Break starts and ends a supervisor enters or corrects by hand. They go into the same
// `breaks` rows the station writes, marked as entered by hand; for today or later the
// employee's `usedbreaks` state moves with them, so the station carries on from there.
class ManualBreakEntry
{
    Q_DECLARE_TR_FUNCTIONS(ManualBreakEntry)

public:
    struct Time
    {
        bool used = false;
        TimeEntry time;
    };

    struct Request
    {
        std::optional<QString> employee; // none when no employee is chosen
        int breakNumber = 1;             // 1 to 3
        QDate date;
        Time start;
        Time end;
    };

    enum class Outcome
    {
        Written,
        Nothing,      // neither time is used
        Refused,      // the request was incomplete; the user was told why
        EmployeeGone, // the employee was removed since the list was read
        Failed,       // a database error, shown with the driver's text
    };

    ManualBreakEntry(Database &db, Prompter &prompter, const Clock &clock)
        : m_db(db), m_prompter(prompter), m_clock(clock)
    {
    }

    // Every employee name, in the order the list shows them; the user is told when there
    // is none. Throws DatabaseError.
    QStringList employeeNames();

    // Checks the request, writes it and tells the user the outcome.
    Outcome process(const Request &request);

private:
    enum class Written
    {
        Done,
        EmployeeGone,
        NoStart,
    };

    Written write(const QString &employee, const Request &request);

    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
};
