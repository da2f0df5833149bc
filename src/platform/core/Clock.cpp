#include "platform/core/Clock.h"

using namespace Qt::StringLiterals;

QString Clock::dateText() const
{
    return dateText(now().date());
}

QString Clock::timeText() const
{
    return timeText(now().time());
}

QString Clock::dateText(const QDate &date)
{
    return date.toString(u"MM/dd/yy"_s);
}

QString Clock::timeText(const QTime &time)
{
    return time.toString(u"HH:mm:ss"_s);
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
