#pragma once

#include "platform/core/TimeEntry.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class Database;
class Prompter;

// Clockings a supervisor enters for an employee the station missed. They are written
// to the log like any other and change nothing else.
class ManualClocking
{
    Q_DECLARE_TR_FUNCTIONS(ManualClocking)

public:
    struct Clocking
    {
        bool chosen = false;
        QString date; // MM/dd/yy
        TimeEntry time;
    };

    struct Request
    {
        std::optional<QString> employee; // none when no employee is chosen
        Clocking logIn;
        Clocking logOut;
    };

    enum class Outcome
    {
        Written,
        Refused,      // the request was incomplete; the user was told what is missing
        EmployeeGone, // the employee was removed since the list was read
        Failed,       // a database error, shown with the driver's text
    };

    ManualClocking(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Every employee name, one per row, in the order the list shows them. Throws
    // DatabaseError.
    QStringList employeeNames();

    // Checks the request, writes its rows and tells the user the outcome.
    Outcome process(const Request &request);

private:
    struct Row
    {
        QString type; // IN or OUT
        const Clocking *clocking;
    };

    Outcome write(const QString &employee, const QList<Row> &rows);

    Database &m_db;
    Prompter &m_prompter;
};
