#include "reports/core/Payroll.h"

#include "reports/core/ReportDates.h"
#include "store/CompanyRecord.h"
#include "store/Database.h"
#include "store/WorkSettings.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct CardRows
{
    QString lastName; // as the latest clocking wrote it
    QList<WorkPeriods::Punch> punches;
    QList<WorkPeriods::Break> breaks;
};

QString cardCondition(const QString &column, const PayrollRequest &request, QVariantList &values)
{
    if (request.cardNumber.isEmpty())
        return {};
    values << request.cardNumber;
    return u" and "_s + column + u" = ?"_s;
}

} // namespace

Payroll Payroll::load(Database &db, const PayrollRequest &request, const QDateTime &madeAt,
                      const QTimeZone &zone, const Progress &progress)
{
    const WorkSettings settings = WorkSettings::load(db);
    Payroll payroll;
    payroll.company = CompanyRecord::load(db).name;
    payroll.from = request.from;
    payroll.to = request.to;
    payroll.madeAt = madeAt;
    payroll.overtimeThresholdMinutes = settings.overtimeMinutes;

    // A day on either side: a night shift begun the day before the period ends in it, one
    // begun on its last day ends after it.
    const QVariantList range =
        ReportDates::rangeValues(request.from.addDays(-1), request.to.addDays(1));
    QHash<QString, CardRows> byCard;
    QVariantList values = range;
    const QList<SqlRow> clockings = db.select(
        u"select dt,tm,employee,type,cardnum from log where "_s +
            ReportDates::rangeCondition(u"dt"_s) + cardCondition(u"cardnum"_s, request, values) +
            u" and type in ('IN','OUT')"_s +
            ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
        values);
    for (const SqlRow &row : clockings) {
        CardRows &card = byCard[row[u"cardnum"_s]];
        card.lastName = row[u"employee"_s];
        card.punches.append({row[u"dt"_s], row[u"tm"_s], row[u"type"_s]});
    }
    values = range;
    const QList<SqlRow> breaks = db.select(u"select dt,name,i,out from breaks where "_s +
                                               ReportDates::rangeCondition(u"dt"_s) +
                                               cardCondition(u"name"_s, request, values) +
                                               ReportDates::chronologicalOrder(u"dt"_s, u"i"_s),
                                           values);
    for (const SqlRow &row : breaks) {
        const auto card = byCard.find(row[u"name"_s]);
        if (card != byCard.end()) // breaks without clockings are paid for by nobody
            card->breaks.append({row[u"dt"_s], row[u"i"_s], row[u"out"_s]});
    }

    QList<QPair<QString, QString>> people; // name, card
    values.clear();
    const QString onFileSql = request.cardNumber.isEmpty()
                                  ? u"select employee,cardnum from employees order by id"_s
                                  : u"select employee,cardnum from employees where cardnum = ? "
                                    u"order by id"_s;
    if (!request.cardNumber.isEmpty())
        values << request.cardNumber;
    const QList<SqlRow> onFile = db.select(onFileSql, values);
    QSet<QString> listed;
    for (const SqlRow &row : onFile) {
        if (!listed.contains(row[u"cardnum"_s])) {
            listed.insert(row[u"cardnum"_s]);
            people.append({row[u"employee"_s], row[u"cardnum"_s]});
        }
    }
    for (auto card = byCard.cbegin(); card != byCard.cend(); ++card) {
        if (!listed.contains(card.key()))
            people.append({card->lastName, card.key()});
    }
    if (people.isEmpty() && !request.cardNumber.isEmpty())
        people.append({QString(), request.cardNumber});
    std::sort(people.begin(), people.end(), [](const auto &a, const auto &b) {
        // As the employee lists sort: case aside first, then by card.
        if (const int folded = a.first.compare(b.first, Qt::CaseInsensitive); folded != 0)
            return folded < 0;
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });

    WorkPeriods::Rules rules;
    rules.unpaidBreaks = settings.unpaidBreaks;
    rules.roundingMinutes = settings.roundingMinutes;
    rules.zone = zone;
    for (const auto &[name, cardNumber] : people) {
        const CardRows rows = byCard.value(cardNumber);
        const WorkPeriods periods(rows.punches, rows.breaks, rules);
        Employee employee;
        employee.name = name;
        employee.cardNumber = cardNumber;
        employee.days = periods.days(request.from, request.to);
        employee.weeks = WorkPeriods::weeks(employee.days, settings.overtimeMinutes);
        for (const WorkPeriods::Incomplete &loose : periods.incomplete()) {
            if (loose.date >= request.from && loose.date <= request.to)
                employee.incomplete.append(loose);
        }
        for (const WorkPeriods::Day &day : employee.days) {
            employee.workedMinutes += day.workedMinutes;
            employee.breakMinutes += day.breakMinutes;
            employee.paidMinutes += day.paidMinutes;
        }
        for (const WorkPeriods::Week &week : employee.weeks)
            employee.overtimeMinutes += week.overtimeMinutes;
        payroll.employees.append(employee);
        if (progress)
            progress(int(payroll.employees.size()), int(people.size()));
    }
    return payroll;
}

QString Payroll::hoursMinutes(int minutes)
{
    const QString sign = minutes < 0 ? u"-"_s : QString();
    minutes = std::abs(minutes);
    return sign + QString::number(minutes / 60) + u':' +
           QString::number(minutes % 60).rightJustified(2, u'0');
}

QString Payroll::decimalHours(int minutes)
{
    // 'f' never uses the locale: always a dot.
    return QString::number(minutes / 60.0, 'f', 2);
}
