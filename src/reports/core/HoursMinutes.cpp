#include "reports/core/HoursMinutes.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The leading number of a text, 0 when there is none: a hand-typed time such as
// "9:5" or " 7h" still counts by its digits.
int leadingNumber(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    int sign = 1;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        if (text[at] == u'-')
            sign = -1;
        ++at;
    }
    int value = 0;
    // Clock parts have two digits; the bound only keeps nonsense from overflowing.
    for (int digits = 0; at < text.size() && text[at].isDigit() && digits < 6; ++at, ++digits)
        value = value * 10 + text[at].digitValue();
    return sign * value;
}

struct ClockParts
{
    int hour = 0;
    int minute = 0;
};

ClockParts partsOf(const QString &clockText)
{
    const QStringList tokens = clockText.split(u':', Qt::SkipEmptyParts);
    return {leadingNumber(tokens.value(0)), leadingNumber(tokens.value(1))};
}

} // namespace

HoursMinutes HoursMinutes::between(const QString &start, const QString &end)
{
    const ClockParts from = partsOf(start);
    const ClockParts to = partsOf(end);
    HoursMinutes span{to.hour - from.hour, to.minute - from.minute};
    if (span.minutes < 0) {
        span.minutes += 60;
        span.hours -= 1;
    }
    if (span.hours < 0)
        span.hours += 24;
    return span;
}

HoursMinutes HoursMinutes::operator+(const HoursMinutes &other) const
{
    const int allMinutes = minutes + other.minutes;
    return {hours + other.hours + allMinutes / 60, allMinutes % 60};
}

QString HoursMinutes::text() const
{
    return QString::number(hours) + u" hours,"_s + QString::number(minutes) + u" minutes"_s;
}
