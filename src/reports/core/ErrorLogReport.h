#pragma once

#include "reports/core/ReportFile.h"

#include <QDate>

class Database;
class Prompter;

// The events of the error log on one day, written to the report file.
class ErrorLogReport
{
public:
    ErrorLogReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // True when the page was written whole and can be viewed.
    bool run(const QDate &date, const ReportFile::Target &target = {});

private:
    Database &m_db;
    Prompter &m_prompter;
};
