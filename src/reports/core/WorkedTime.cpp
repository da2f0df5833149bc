#include "reports/core/WorkedTime.h"

#include "reports/core/Payroll.h"

namespace WorkedTime {

Totals of(Database &db, const QString &card, const QDateTime &now)
{
    const QDate today = now.date();
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const Payroll week = Payroll::load(db, {monday, today, card}, now);
    Totals totals;
    if (week.employees.isEmpty())
        return totals;
    const Payroll::Employee &employee = week.employees.first();
    totals.weekMinutes = employee.workedMinutes;
    for (const WorkPeriods::Day &day : employee.days) {
        if (day.date == today)
            totals.todayMinutes = day.workedMinutes;
    }
    return totals;
}

} // namespace WorkedTime
