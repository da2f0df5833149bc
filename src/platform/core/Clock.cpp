#include "platform/core/Clock.h"

#include <iterator>

using namespace Qt::StringLiterals;

QString Clock::dateText() const
{
    return dateText(now().date());
}

QString Clock::timeText() const
{
    return timeText(now().time());
}

namespace {

// Three two-digit numbers with a separator between them, made by hand: every clocking
// makes two such texts, and the calendar's general formatting is slow for them.
QString threePairs(int first, int second, int third, char16_t separator)
{
    const auto tens = [](int n) { return QChar(u'0' + n / 10); };
    const auto ones = [](int n) { return QChar(u'0' + n % 10); };
    const QChar text[] = {tens(first),  ones(first),      QChar(separator), tens(second),
                          ones(second), QChar(separator), tens(third),      ones(third)};
    return QString(text, std::size(text));
}

} // namespace

QString Clock::dateText(const QDate &date)
{
    if (!date.isValid() || date.year() < 0)
        return date.toString(u"MM/dd/yy"_s);
    return threePairs(date.month(), date.day(), date.year() % 100, u'/');
}

QString Clock::timeText(const QTime &time)
{
    if (!time.isValid())
        return time.toString(u"HH:mm:ss"_s);
    return threePairs(time.hour(), time.minute(), time.second(), u':');
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
