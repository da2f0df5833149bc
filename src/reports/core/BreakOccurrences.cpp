#include "reports/core/BreakOccurrences.h"

#include "reports/core/HoursMinutes.h"

using namespace Qt::StringLiterals;

namespace {

const QString noTime = u"-"_s;

bool isCompleted(const BreakOccurrences::Break &b)
{
    return b.start != noTime && b.end != noTime;
}

} // namespace

BreakOccurrences::BreakOccurrences(const QList<Break> &breaks, int breaksADay,
                                   const QStringList &names)
    : m_breaks(breaks), m_breaksADay(breaksADay), m_names(names)
{
}

bool BreakOccurrences::counted(const Break &b) const
{
    if (m_breaksADay < 1 || m_breaksADay > 3)
        return false;
    for (int number = 1; number <= m_breaksADay; ++number) {
        if (b.number == QString::number(number))
            return true;
    }
    return false;
}

QString BreakOccurrences::nameOf(const Break &b) const
{
    return m_names.value(b.number.toInt() - 1);
}

QList<BreakOccurrences::Line> BreakOccurrences::incomplete() const
{
    QList<Line> lines;
    for (const Break &b : m_breaks) {
        if (b.start != noTime && b.end == noTime && counted(b))
            lines.append({{b.date, nameOf(b), b.start}, true});
    }
    return lines;
}

QList<BreakOccurrences::Line> BreakOccurrences::completed() const
{
    if (m_breaksADay == 1)
        return singleBreakLines();
    if (m_breaksADay == 2 || m_breaksADay == 3)
        return dayLines();
    return {};
}

QList<BreakOccurrences::Line> BreakOccurrences::singleBreakLines() const
{
    QList<Line> lines;
    for (const Break &b : m_breaks) {
        if (b.number == u"1"_s && isCompleted(b))
            lines.append(
                {{b.date, nameOf(b), b.start, b.end, HoursMinutes::between(b.start, b.end).text()},
                 true});
    }
    return lines;
}

const BreakOccurrences::Break *BreakOccurrences::completedOn(const QString &date, int number) const
{
    for (const Break &b : m_breaks) {
        if (b.date == date && b.number == QString::number(number) && isCompleted(b))
            return &b;
    }
    return nullptr;
}

QList<BreakOccurrences::Line> BreakOccurrences::dayLines() const
{
    QList<Line> lines;
    for (const Break &first : m_breaks) {
        if (first.number != u"1"_s || !isCompleted(first))
            continue;
        Line line{{first.date, first.start, first.end}, true};
        HoursMinutes total = HoursMinutes::between(first.start, first.end);
        for (int number = 2; number <= m_breaksADay; ++number) {
            const Break *later = completedOn(first.date, number);
            line.closed = later != nullptr;
            if (!later) {
                line.cells << noTime << noTime;
                continue;
            }
            line.cells << later->start << later->end;
            total = total + HoursMinutes::between(later->start, later->end);
        }
        line.cells << total.text();
        lines.append(line);
    }
    return lines;
}
