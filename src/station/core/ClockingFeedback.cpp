#include "station/core/ClockingFeedback.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList ClockingFeedback::lines() const
{
    const QString worked = QObject::tr("Worked today %1, this week %2")
                               .arg(duration(workedTodayMinutes), duration(workedWeekMinutes));
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::In:
        return {employee, QObject::tr("IN at %1").arg(at.toString(u"HH:mm"_s)), worked};
    case Kind::Out:
        return {employee, QObject::tr("OUT at %1").arg(at.toString(u"HH:mm"_s)), worked};
    case Kind::Unknown:
        return {QObject::tr("Card not recognised")};
    case Kind::Refused:
        return employee.isEmpty() ? QStringList{message} : QStringList{employee, message};
    }
    return {};
}

QString ClockingFeedback::duration(int minutes)
{
    return u"%1:%2"_s.arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
}
