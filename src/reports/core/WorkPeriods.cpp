#include "reports/core/WorkPeriods.h"

#include <QMap>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Parts of a stored text split at `separator`; empty when one is not a number.
QList<int> numbers(const QString &text, QChar separator, qsizetype count)
{
    const QStringList parts = text.trimmed().split(separator);
    if (parts.size() != count)
        return {};
    QList<int> values;
    for (const QString &part : parts) {
        bool ok = false;
        values << part.toInt(&ok);
        if (!ok)
            return {};
    }
    return values;
}

int minutesBetween(const QDateTime &from, const QDateTime &to)
{
    return int(from.secsTo(to) / 60);
}

} // namespace

QDate WorkPeriods::dateOf(const QString &text)
{
    const QList<int> parts = numbers(text, u'/', 3);
    return parts.isEmpty() ? QDate() : QDate(2000 + parts[2], parts[0], parts[1]);
}

QTime WorkPeriods::timeOf(const QString &text)
{
    const QList<int> parts = numbers(text, u':', 3);
    return parts.isEmpty() ? QTime() : QTime(parts[0], parts[1], parts[2]);
}

QDateTime WorkPeriods::at(const QString &date, const QString &time) const
{
    const QDate day = dateOf(date);
    const QTime clock = timeOf(time);
    if (!day.isValid() || !clock.isValid())
        return {};
    return QDateTime(day, QTime(clock.hour(), clock.minute()), m_rules.zone);
}

QDateTime WorkPeriods::rounded(const QDateTime &when) const
{
    const int step = m_rules.roundingMinutes;
    if (step <= 0)
        return when;
    const int minute = when.time().hour() * 60 + when.time().minute();
    const int nearest = (minute + step / 2) / step * step; // a tie goes up
    return QDateTime(when.date().addDays(nearest / (24 * 60)),
                     QTime(nearest % (24 * 60) / 60, nearest % 60), m_rules.zone);
}

WorkPeriods::WorkPeriods(const QList<Punch> &punches, const QList<Break> &breaks,
                         const Rules &rules)
    : m_rules(rules)
{
    struct Read
    {
        QDateTime when;
        bool in;
    };
    QList<Read> read;
    for (const Punch &punch : punches) {
        const QDateTime when = at(punch.date, punch.time);
        if (when.isValid() && (punch.type == u"IN"_s || punch.type == u"OUT"_s))
            read.append({when, punch.type == u"IN"_s});
    }
    std::stable_sort(read.begin(), read.end(),
                     [](const Read &a, const Read &b) { return a.when < b.when; });

    std::optional<QDateTime> open;
    const auto leaveOpen = [&] {
        if (open)
            m_incomplete.append({open->date(), *open, Gap::MissingOut});
        open.reset();
    };
    for (const Read &punch : read) {
        if (punch.in) {
            leaveOpen();
            open = punch.when;
            continue;
        }
        if (open && minutesBetween(*open, punch.when) <= m_rules.pairLimitMinutes) {
            Shift shift{rounded(*open), rounded(punch.when)};
            shift.workedMinutes = std::max(0, minutesBetween(shift.in, shift.out));
            m_shifts.append(shift);
            open.reset();
            continue;
        }
        leaveOpen();
        m_incomplete.append({punch.when.date(), punch.when, Gap::MissingIn});
    }
    leaveOpen();

    takeOffBreaks(breaks);
    for (Shift &shift : m_shifts) {
        shift.breakMinutes = std::min(shift.breakMinutes, shift.workedMinutes);
        shift.paidMinutes = shift.workedMinutes - (m_rules.unpaidBreaks ? shift.breakMinutes : 0);
    }
    std::stable_sort(m_incomplete.begin(), m_incomplete.end(),
                     [](const Incomplete &a, const Incomplete &b) { return a.when < b.when; });
}

// A break counts in the shift it began in, up to the shift's end; breaks outside every
// shift are not the pay's business.
void WorkPeriods::takeOffBreaks(const QList<Break> &breaks)
{
    for (const Break &taken : breaks) {
        const QDateTime start = at(taken.date, taken.start);
        if (!start.isValid())
            continue;
        const auto shift = std::find_if(m_shifts.begin(), m_shifts.end(), [&](const Shift &s) {
            return s.in <= start && start < s.out;
        });
        if (shift == m_shifts.end())
            continue;
        QDateTime end = at(taken.date, taken.end);
        if (!end.isValid()) {
            m_incomplete.append({shift->date(), start, Gap::OpenBreak});
            continue;
        }
        if (end < start) // past midnight
            end = QDateTime(end.date().addDays(1), end.time(), m_rules.zone);
        shift->breakMinutes += minutesBetween(start, std::min(end, shift->out));
    }
}

QList<WorkPeriods::Day> WorkPeriods::days(const QDate &from, const QDate &to) const
{
    QMap<QDate, Day> byDate;
    QMap<QDate, QDateTime> lastOut;
    const auto dayOf = [&](const QDate &date) -> Day & {
        Day &day = byDate[date];
        day.date = date;
        return day;
    };
    const auto noteIn = [](Day &day, const QDateTime &when) {
        if (day.firstIn.isNull() || when.time() < day.firstIn)
            day.firstIn = when.time();
    };
    const auto noteOut = [&](Day &day, const QDateTime &when) {
        QDateTime &latest = lastOut[day.date];
        if (!latest.isValid() || when > latest) {
            latest = when;
            day.lastOut = when.time();
        }
    };
    const auto inPeriod = [&](const QDate &date) { return date >= from && date <= to; };

    for (const Shift &shift : m_shifts) {
        if (!inPeriod(shift.date()))
            continue;
        Day &day = dayOf(shift.date());
        day.workedMinutes += shift.workedMinutes;
        day.breakMinutes += shift.breakMinutes;
        day.paidMinutes += shift.paidMinutes;
        noteIn(day, shift.in);
        noteOut(day, shift.out);
    }
    for (const Incomplete &loose : m_incomplete) {
        if (!inPeriod(loose.date))
            continue;
        Day &day = dayOf(loose.date);
        day.incomplete = true;
        if (loose.gap == Gap::MissingOut)
            noteIn(day, loose.when);
        else if (loose.gap == Gap::MissingIn)
            noteOut(day, loose.when);
    }
    return byDate.values();
}

QList<WorkPeriods::Week> WorkPeriods::weeks(const QList<Day> &days, int overtimeMinutes)
{
    QMap<QDate, Week> byMonday;
    for (const Day &day : days) {
        const QDate monday = day.date.addDays(1 - day.date.dayOfWeek());
        Week &week = byMonday[monday];
        week.monday = monday;
        week.paidMinutes += day.paidMinutes;
    }
    for (Week &week : byMonday)
        week.overtimeMinutes = std::max(0, week.paidMinutes - overtimeMinutes);
    return byMonday.values();
}
