#pragma once

#include "reports/core/ReportFile.h"
#include "store/NameList.h"

#include <QDate>
#include <QString>

class Database;
class Prompter;

// Every clocking of one employee over a range of dates, written to the report file.
class IndividualReport
{
public:
    struct Options
    {
        QString employee;
        // The clockings of this card; without one, those made under the name `employee`.
        QString cardNumber;
        QDate start;
        QDate end;
    };

    IndividualReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // The employees to choose from. Throws DatabaseError.
    QList<NameList::Employee> employees();
    // True when the page was written whole and can be viewed.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    Database &m_db;
    Prompter &m_prompter;
};
