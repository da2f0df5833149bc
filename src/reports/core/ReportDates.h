#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

// How reports choose and order rows by their stored MM/DD/YY dates. The text itself
// sorts month first, so a range across a year end would find nothing and a range within
// one year would find other years too; the SQL here turns the text into YYMMDD, which
// sorts like the dates (years 2000 to 2099, as the date pickers allow). Portable to
// SQLite and PostgreSQL. A report's query uses it like this:
//   "select dt,tm,employee from log where " + ReportDates::rangeCondition(u"dt"_s)
//   + " and type = ?" + ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s)
// with ReportDates::rangeValues(start, end) bound before the other values.
namespace ReportDates {

// SQL: the column as YYMMDD text.
QString sortKey(const QString &column);
// SQL: the column lies from the first bound date to the second, both included.
QString rangeCondition(const QString &column);
// The two bound values of rangeCondition().
QVariantList rangeValues(const QDate &start, const QDate &end);

// SQL: " order by" date, then time, then order of entry (an automatically numbered
// column; empty for tables without one). This is the order rows come in on every page,
// so a report's "first row" is the earliest.
QString chronologicalOrder(const QString &dateColumn, const QString &timeColumn,
                           const QString &entryColumn = {});

// "start to end" with both dates as the page shows them, for titles and headings.
QString periodText(const QDate &start, const QDate &end);

} // namespace ReportDates
