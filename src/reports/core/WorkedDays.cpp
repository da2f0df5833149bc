#include "reports/core/WorkedDays.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct DayClockings
{
    QString date;
    std::optional<QString> firstIn;
    std::optional<QString> firstOut;
};

} // namespace

WorkedDays::WorkedDays(const QList<Clocking> &clockings)
{
    QList<DayClockings> days;
    for (const Clocking &clocking : clockings) {
        const bool in = clocking.type == u"IN"_s;
        if (!in && clocking.type != u"OUT"_s)
            continue;
        auto day = std::find_if(days.begin(), days.end(),
                                [&](const DayClockings &d) { return d.date == clocking.date; });
        if (day == days.end()) {
            days.append({clocking.date, {}, {}});
            day = days.end() - 1;
        }
        std::optional<QString> &first = in ? day->firstIn : day->firstOut;
        if (!first)
            first = clocking.time;
    }

    for (const DayClockings &day : std::as_const(days)) {
        if (!day.firstIn)
            m_missingLogIns << day.date;
        else if (!day.firstOut)
            m_missingLogOuts << day.date;
        else
            m_validDays.append({day.date, HoursMinutes::between(*day.firstIn, *day.firstOut)});
    }
}
