#include "reports/core/PayrollCsv.h"

#include "reports/core/Payroll.h"

#include <QIODevice>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString clock(const QTime &time)
{
    return time.isNull() ? QString() : time.toString(u"HH:mm"_s);
}

class Table
{
public:
    explicit Table(const Payroll &payroll)
        : m_context{payroll.company, payroll.from.toString(Qt::ISODate),
                    payroll.to.toString(Qt::ISODate),
                    payroll.madeAt.toString(u"yyyy-MM-dd HH:mm:ss"_s)}
    {
    }

    // The header row names the context columns instead of repeating them.
    void add(QStringList cells, bool header = false)
    {
        if (!header)
            cells << m_context;
        for (QString &cell : cells)
            cell = field(cell);
        m_text += cells.join(u',') + u"\r\n"_s;
    }

    static QStringList durations(int worked, int breaks, int paid, int overtime)
    {
        return {Payroll::hoursMinutes(worked),   Payroll::hoursMinutes(breaks),
                Payroll::hoursMinutes(paid),     Payroll::decimalHours(paid),
                Payroll::hoursMinutes(overtime), Payroll::decimalHours(overtime)};
    }

    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QStringList m_context;
    QString m_text;
};

} // namespace

namespace PayrollCsv {

bool write(const Payroll &payroll, QIODevice &device)
{
    Table table(payroll);
    table.add({u"kind"_s, u"employee"_s, u"card"_s, u"date"_s, u"first_in"_s, u"last_out"_s,
               u"worked"_s, u"breaks"_s, u"paid"_s, u"paid_hours"_s, u"overtime"_s,
               u"overtime_hours"_s, u"incomplete"_s, u"company"_s, u"period_from"_s, u"period_to"_s,
               u"made"_s},
              true);
    for (const Payroll::Employee &employee : payroll.employees) {
        const QStringList who{employee.name, employee.cardNumber};
        for (const WorkPeriods::Day &day : employee.days)
            table.add(QStringList{u"day"_s} + who +
                      QStringList{day.date.toString(Qt::ISODate), clock(day.firstIn),
                                  clock(day.lastOut)} +
                      Table::durations(day.workedMinutes, day.breakMinutes, day.paidMinutes, 0)
                          .mid(0, 4) +
                      QStringList{QString(), QString(), day.incomplete ? u"yes"_s : u"no"_s});
        for (const WorkPeriods::Week &week : employee.weeks)
            table.add(QStringList{u"week"_s} + who +
                      QStringList{week.monday.toString(Qt::ISODate), QString(), QString(),
                                  QString(), QString()} +
                      Table::durations(0, 0, week.paidMinutes, week.overtimeMinutes).mid(2) +
                      QStringList{QString()});
        table.add(QStringList{u"total"_s} + who + QStringList{QString(), QString(), QString()} +
                  Table::durations(employee.workedMinutes, employee.breakMinutes,
                                   employee.paidMinutes, employee.overtimeMinutes) +
                  QStringList{employee.incomplete.isEmpty() ? u"no"_s : u"yes"_s});
    }
    const QByteArray bytes = table.bytes();
    return device.write(bytes) == bytes.size();
}

} // namespace PayrollCsv
