#include "station/core/WorkedTime.h"

#include "platform/core/Clock.h"
#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace WorkedTime {

Totals of(Database &db, const QString &card, const QDateTime &now)
{
    const QDate today = now.date();
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    QStringList marks;
    QVariantList values{card};
    for (QDate day = monday; day <= today; day = day.addDays(1)) {
        marks << u"?"_s;
        values << Clock::dateText(day);
    }
    const QList<SqlRow> rows =
        db.select(u"select dt,tm,type from log where cardnum = ? and dt in (%1) order by id"_s.arg(
                      marks.join(u',')),
                  values);

    Totals totals;
    QDateTime openedAt;
    const auto add = [&](const QDateTime &end) {
        const int minutes = int(openedAt.secsTo(end) / 60);
        if (minutes <= 0)
            return;
        totals.weekMinutes += minutes;
        if (openedAt.date() == today)
            totals.todayMinutes += minutes;
    };
    for (const SqlRow &row : rows) {
        const QDate day = QDate::fromString(row[u"dt"_s], u"MM/dd/yy"_s).addYears(100);
        const QDateTime at(day, QTime::fromString(row[u"tm"_s], u"HH:mm:ss"_s));
        if (!at.isValid())
            continue;
        if (row[u"type"_s] == u"IN"_s) {
            openedAt = at;
        } else if (openedAt.isValid()) {
            add(at);
            openedAt = {};
        }
    }
    if (openedAt.isValid())
        add(now);
    return totals;
}

} // namespace WorkedTime
