#include "store/WorkSettings.h"

#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QObject>
#include <QStringList>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString table = u"worksettings"_s;

bool flag(const QString &text, bool fallback)
{
    if (text == u"1"_s)
        return true;
    return text == u"0"_s ? false : fallback;
}

QString flagText(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

void store(Database &db, const QString &column, const QString &value)
{
    // The column names are this file's own; only the value comes from outside.
    if (db.exec(u"update worksettings set %1 = ?"_s.arg(column), {value}) == 0)
        throw DatabaseError(QObject::tr("The work settings row is missing."));
}

} // namespace

bool WorkSettings::isRounding(int minutes)
{
    return minutes == 0 || minutes == 5 || minutes == 10 || minutes == 15;
}

WorkSettings WorkSettings::load(Database &db)
{
    if (!db.hasTable(table))
        return {};
    const QList<SqlRow> rows = db.select(u"select "_s + columns() + u" from worksettings"_s);
    return rows.isEmpty() ? WorkSettings() : fromRow(rows.first());
}

QString WorkSettings::columns(const QString &prefix)
{
    static const QStringList names = {u"unpaidbreaks"_s, u"rounding"_s, u"overtimehours"_s,
                                      u"crossmidnight"_s, u"severalclockins"_s};
    QStringList columns;
    for (const QString &name : names)
        columns << prefix + name;
    return columns.join(u',');
}

WorkSettings WorkSettings::fromRow(const SqlRow &row)
{
    WorkSettings settings;
    settings.unpaidBreaks = flag(row[u"unpaidbreaks"_s], settings.unpaidBreaks);
    bool ok = false;
    const int rounding = row[u"rounding"_s].toInt(&ok);
    if (ok && isRounding(rounding))
        settings.roundingMinutes = rounding;
    const double hours = row[u"overtimehours"_s].toDouble(&ok);
    if (ok && hours > 0 && hours <= 168)
        settings.overtimeMinutes = int(std::lround(hours * 60));
    settings.crossMidnight = flag(row[u"crossmidnight"_s], settings.crossMidnight);
    settings.severalClockIns = flag(row[u"severalclockins"_s], settings.severalClockIns);
    return settings;
}

void WorkSettings::setUnpaidBreaks(Database &db, bool on)
{
    store(db, u"unpaidbreaks"_s, flagText(on));
}

void WorkSettings::setRounding(Database &db, int minutes)
{
    Q_ASSERT(isRounding(minutes));
    store(db, u"rounding"_s, QString::number(minutes));
}

void WorkSettings::setOvertimeMinutes(Database &db, int minutes)
{
    // Hours as a person writes them: "40", "37.5".
    store(db, u"overtimehours"_s, QString::number(minutes / 60.0, 'g', 6));
}

void WorkSettings::setCrossMidnight(Database &db, bool on)
{
    store(db, u"crossmidnight"_s, flagText(on));
}

void WorkSettings::setSeveralClockIns(Database &db, bool on)
{
    store(db, u"severalclockins"_s, flagText(on));
}
