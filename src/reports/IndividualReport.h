#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Database;
class Prompter;

// Every clocking of one employee, by name, over a range of dates, written to the report
// file.
class IndividualReport
{
public:
    struct Options
    {
        QString employee;
        QDate start;
        QDate end;
    };

    IndividualReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // The names to choose from. Throws DatabaseError.
    QStringList employeeNames();
    // True when the page was written whole and can be viewed.
    bool run(const Options &options);

private:
    Database &m_db;
    Prompter &m_prompter;
};
