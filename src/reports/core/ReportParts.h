#pragma once

#include "reports/core/ReportPage.h"
#include "store/SqlRow.h"

#include <QList>
#include <QString>

class Database;

// The parts several report pages write alike, so the pages that share them stay alike.
// Closes stay with each report: where its tables and body end differs from page to page.
namespace ReportParts {

// open(), the company line with the stored company name, and rule(). Throws
// DatabaseError.
void opening(ReportPage &page, Database &db, const QString &title, const QString &heading,
             ReportPage::CompanyLine line = ReportPage::CompanyLine::EmployeesOf);

// The heading of the log-ins ("IN") or the log-outs list.
void logHeading(ReportPage &page, const QString &type);

// A table by date and time: its head with `thirdHeadCell` after Date and Time, e.g.
// "\r\n<th width=205 scope=col>Type</th>", then a closed row of dt, tm and `thirdColumn`
// per record. The table is left open.
void dateTimeTable(ReportPage &page, const QString &thirdHeadCell, const QList<SqlRow> &rows,
                   const QString &thirdColumn);
// The date-time table of a clocking list, its third column the employee.
void clockingTable(ReportPage &page, const QList<SqlRow> &rows);

} // namespace ReportParts
