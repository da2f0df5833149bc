#include "EarlyLateLeaversReport.h"

#include "Clock.h"
#include "CompanyRecord.h"
#include "Database.h"
#include "ReportDates.h"
#include "ReportFile.h"
#include "ReportMessages.h"
#include "ReportPage.h"

#include <QObject>

using namespace Qt::StringLiterals;

void EarlyLateLeaversReport::loadCutOffs()
{
    const SqlRow settings = m_db.first(u"select eco,lco from settings"_s);
    m_earlyCutOff = settings[u"eco"_s];
    m_lateCutOff = settings[u"lco"_s];
}

bool EarlyLateLeaversReport::run(const Options &options)
{
    if (!options.early && !options.late) {
        ReportMessages::refuse(m_prompter, QObject::tr("Please select a Leaver type"));
        return false;
    }
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        writeFrame(page, options);
        if (options.early && options.late) {
            writeBothSections(page, options);
            return true;
        }
        return writeOneSection(page, options.early ? Section::Early : Section::Late, options);
    });
}

// One section stops at an empty result; its table is left open, as the page always was.
bool EarlyLateLeaversReport::writeOneSection(ReportPage &page, Section section,
                                             const Options &options)
{
    page.sectionHeading(headingOf(section));
    const QList<QStringList> rows = leavers(section, options);
    if (rows.isEmpty()) {
        ReportMessages::noResultsForDate(m_prompter);
        return false;
    }
    writeTable(page, rows);
    return true;
}

void EarlyLateLeaversReport::writeBothSections(ReportPage &page, const Options &options)
{
    for (Section section : {Section::Early, Section::Late}) {
        page.sectionHeading(headingOf(section));
        writeTable(page, leavers(section, options));
        page.tableClose();
    }
    page.bodyClose();
}

QString EarlyLateLeaversReport::headingOf(Section section)
{
    return section == Section::Early ? u"Early Leavers"_s : u"Late Leavers"_s;
}

void EarlyLateLeaversReport::writeFrame(ReportPage &page, const Options &options)
{
    const QString start = Clock::dateText(options.start);
    const QString end = Clock::dateText(options.end);
    page.open(u"::Early/Late Leaver Report for "_s + start + u" to "_s + end + u"::"_s,
              u"Early/Late Leaver Report for the "_s + start + u" to "_s + end);
    page.company(ReportPage::CompanyLine::EmployeesOf, CompanyRecord::load(m_db).name);
    page.rule();
}

void EarlyLateLeaversReport::writeTable(ReportPage &page, const QList<QStringList> &rows)
{
    page.tableHead(445, {u"\r\n<th width=115 scope=col>Date</th>"_s,
                         u"\r\n<th width=103 scope=col>Time </th>"_s,
                         u"\r\n<th width=205 scope=col>Employee</th>"_s});
    for (const QStringList &row : rows)
        page.row(row);
}

QList<QStringList> EarlyLateLeaversReport::leavers(Section section, const Options &options)
{
    // Cut-offs are stored as HH:MM:SS, so comparing the texts compares the times.
    const bool early = section == Section::Early;
    QVariantList values = ReportDates::rangeValues(options.start, options.end);
    values << (early ? m_earlyCutOff : m_lateCutOff);
    const QList<SqlRow> found = m_db.select(
        u"select dt,tm,employee from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
            (early ? u" and tm < ?"_s : u" and tm > ?"_s) + u" and type = 'OUT'"_s +
            ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
        values);
    QList<QStringList> rows;
    for (const SqlRow &row : found)
        rows.append({row[u"dt"_s], row[u"tm"_s], row[u"employee"_s]});
    return rows;
}
