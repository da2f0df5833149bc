#pragma once

#include "reports/core/ReportFile.h"
#include "store/SqlRow.h"

#include <QDate>
#include <QList>
#include <QString>

class Database;
class Prompter;
class ReportPage;

// The log-outs of all employees over a range of dates made before the early cut-off
// time ("Early Leavers") or after the late one ("Late Leavers").
class EarlyLateLeaversReport
{
public:
    struct Options
    {
        QDate start;
        QDate end;
        bool early = false;
        bool late = false;
    };

    EarlyLateLeaversReport(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Reads the cut-off times; a later change in the options counts from the next
    // reading. Throws DatabaseError.
    void loadCutOffs();

    // Checks the options and writes the page; true when it is ready for the viewer.
    bool run(const Options &options, const ReportFile::Target &target = {});

private:
    enum class Section
    {
        Early,
        Late
    };

    static QString headingOf(Section section);
    bool writeOneSection(ReportPage &page, Section section, const Options &options);
    void writeBothSections(ReportPage &page, const Options &options);
    QList<SqlRow> leavers(Section section, const Options &options);

    Database &m_db;
    Prompter &m_prompter;
    QString m_earlyCutOff;
    QString m_lateCutOff;
};
