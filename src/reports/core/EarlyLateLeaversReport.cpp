#include "reports/core/EarlyLateLeaversReport.h"

#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"
#include "store/StationSettings.h"

#include <QObject>

using namespace Qt::StringLiterals;

void EarlyLateLeaversReport::loadCutOffs()
{
    const StationSettings::Times times = StationSettings::times(m_db);
    m_earlyCutOff = times.earlyCutOff;
    m_lateCutOff = times.lateCutOff;
}

bool EarlyLateLeaversReport::run(const Options &options, const ReportFile::Target &target)
{
    if (!options.early && !options.late) {
        ReportMessages::refuse(m_prompter, QObject::tr("Please select a Leaver type"));
        return false;
    }
    // An empty cut-off would count every log-out as late.
    if ((options.early && m_earlyCutOff.trimmed().isEmpty()) ||
        (options.late && m_lateCutOff.trimmed().isEmpty())) {
        ReportMessages::refuse(
            m_prompter,
            QObject::tr("The early/late cut-off time is not set. Set it in Program Options."));
        return false;
    }
    const QString period = ReportDates::periodText(options.start, options.end);
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        ReportParts::opening(page, m_db, u"::Early/Late Leaver Report for "_s + period + u"::"_s,
                             u"Early/Late Leaver Report for the "_s + period);
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
    const QList<SqlRow> rows = leavers(section, options);
    if (rows.isEmpty()) {
        ReportMessages::noResultsForDate(m_prompter);
        return false;
    }
    ReportParts::clockingTable(page, rows);
    return true;
}

void EarlyLateLeaversReport::writeBothSections(ReportPage &page, const Options &options)
{
    for (Section section : {Section::Early, Section::Late}) {
        page.sectionHeading(headingOf(section));
        ReportParts::clockingTable(page, leavers(section, options));
        page.tableClose();
    }
    page.bodyClose();
}

QString EarlyLateLeaversReport::headingOf(Section section)
{
    return section == Section::Early ? u"Early Leavers"_s : u"Late Leavers"_s;
}

QList<SqlRow> EarlyLateLeaversReport::leavers(Section section, const Options &options)
{
    // Cut-offs are stored as HH:MM:SS, so comparing the texts compares the times.
    const bool early = section == Section::Early;
    QVariantList values = ReportDates::rangeValues(options.start, options.end);
    values << (early ? m_earlyCutOff : m_lateCutOff);
    return m_db.select(u"select dt,tm,employee from log where "_s +
                           ReportDates::rangeCondition(u"dt"_s) +
                           (early ? u" and tm < ?"_s : u" and tm > ?"_s) + u" and type = 'OUT'"_s +
                           ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
                       values);
}
