#pragma once

#include "reports/core/ReportTable.h"

#include <QStringList>

class Database;
class Prompter;

// Every employee clocked in now: since when, and the break under way, if any. A page
// meant to stay open and be written again as people come and go.
class WhoIsInReport
{
public:
    // `breakNames` are the names of breaks 1 to 3, "-" for one without a name.
    WhoIsInReport(Database &db, Prompter &prompter, const QStringList &breakNames)
        : m_db(db), m_prompter(prompter), m_breakNames(breakNames)
    {
    }

    // The employees in, by name. Throws DatabaseError.
    ReportTable table();

    // Writes the page to the report file; true when it can be viewed.
    bool run();
    // Writes the table to `path`; true when it was written. Errors are shown.
    bool exportCsv(const QString &path);

private:
    QString since(const QString &card, const QString &lastGlobalLogIn);
    QString runningBreak(const QString &card);

    Database &m_db;
    Prompter &m_prompter;
    QStringList m_breakNames;
};
