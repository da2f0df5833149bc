#include "reports/core/ReportDates.h"

#include "platform/core/Clock.h"
#include "store/SqlDialect.h"

using namespace Qt::StringLiterals;

namespace ReportDates {

QString sortKey(const QString &column)
{
    return SqlDialect::dateKey(column);
}

QString rangeCondition(const QString &column)
{
    const QString key = sortKey(column);
    return key + u" >= ? and "_s + key + u" <= ?"_s;
}

QVariantList rangeValues(const QDate &start, const QDate &end)
{
    return {start.toString(u"yyMMdd"_s), end.toString(u"yyMMdd"_s)};
}

QString chronologicalOrder(const QString &dateColumn, const QString &timeColumn,
                           const QString &entryColumn)
{
    QString order = u" order by "_s + sortKey(dateColumn) + u", "_s + timeColumn;
    if (!entryColumn.isEmpty())
        order += u", "_s + entryColumn;
    return order;
}

QString periodText(const QDate &start, const QDate &end)
{
    return Clock::dateText(start) + u" to "_s + Clock::dateText(end);
}

} // namespace ReportDates
