#include "reports/core/AuditTrailReport.h"

#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"

#include <QObject>

using namespace Qt::StringLiterals;

ReportTable AuditTrailReport::table(const Options &options)
{
    ReportTable table;
    table.columns = {{QObject::tr("Date"), 80},     {QObject::tr("Time"), 70},
                     {QObject::tr("Station"), 110}, {QObject::tr("Supervisor"), 110},
                     {QObject::tr("Change"), 150},  {QObject::tr("Before"), 220},
                     {QObject::tr("After"), 220}};
    QVariantList values = ReportDates::rangeValues(options.start, options.end);
    QString sql = u"select dt,tm,station,supervisor,kind,oldvalue,newvalue from audit where "_s +
                  ReportDates::rangeCondition(u"dt"_s);
    if (!options.kind.isEmpty()) {
        sql += u" and kind = ?"_s;
        values << options.kind;
    }
    sql += ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s);
    for (const SqlRow &row : m_db.select(sql, values)) {
        QStringList cells;
        for (const QString &column : {u"dt"_s, u"tm"_s, u"station"_s, u"supervisor"_s, u"kind"_s,
                                      u"oldvalue"_s, u"newvalue"_s})
            cells << row[column];
        table.rows << cells;
    }
    return table;
}

bool AuditTrailReport::run(const Options &options)
{
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        const ReportTable changes = table(options);
        if (changes.rows.isEmpty()) {
            ReportMessages::noResultsForPeriod(m_prompter);
            return false;
        }
        const QString period = ReportDates::periodText(options.start, options.end);
        ReportParts::opening(page, m_db, u"::Audit Trail for "_s + period + u"::"_s,
                             u"Audit Trail for "_s + period);
        page.sectionHeading(options.kind.isEmpty() ? u"All changes"_s : options.kind);
        changes.writeTo(page);
        page.bodyClose();
        return true;
    });
}

bool AuditTrailReport::exportCsv(const Options &options, const QString &path)
{
    ReportTable changes;
    if (!runReported(m_prompter, [&] { changes = table(options); }))
        return false;
    return changes.exportCsv(m_prompter, path);
}
