#include "store/StationSettings.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace StationSettings {

namespace {

QString stored(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

QString column(Time time)
{
    switch (time) {
    case Time::EarlyCutOff:
        return u"eco"_s;
    case Time::LateCutOff:
        return u"lco"_s;
    case Time::AutoLogIn:
        return u"ali"_s;
    case Time::AutoLogOut:
        return u"alo"_s;
    }
    return {};
}

} // namespace

Values load(Database &db)
{
    Values values;
    const SqlRow settings = db.first(u"select ipadd,eco,lco,ali,alo from settings"_s);
    values.managerAddress = settings[u"ipadd"_s];
    values.times = {settings[u"eco"_s], settings[u"lco"_s], settings[u"ali"_s], settings[u"alo"_s]};
    values.confirmation =
        switchOf(db.first(u"select active from con"_s)[u"active"_s]) == Switch::On;
    const SqlRow breaks =
        db.first(u"select enablebreaks,enableauth,numof,break1,break2,break3 from breaksettings"_s);
    values.breaks = switchOf(breaks[u"enablebreaks"_s]);
    values.authorisation = switchOf(breaks[u"enableauth"_s]) == Switch::On;
    values.breaksPerDay = breakCount(breaks[u"numof"_s]);
    values.breakNames = {breaks[u"break1"_s], breaks[u"break2"_s], breaks[u"break3"_s]};
    return values;
}

Times times(Database &db)
{
    const SqlRow settings = db.first(u"select eco,lco,ali,alo from settings"_s);
    return {settings[u"eco"_s], settings[u"lco"_s], settings[u"ali"_s], settings[u"alo"_s]};
}

QStringList breakNames(Database &db)
{
    const SqlRow row = db.first(u"select break1,break2,break3 from breaksettings"_s);
    return {row[u"break1"_s], row[u"break2"_s], row[u"break3"_s]};
}

Switch switchOf(const QString &stored)
{
    if (stored == u"1"_s)
        return Switch::On;
    if (stored == u"0"_s)
        return Switch::Off;
    return Switch::Other;
}

int breakCount(const QString &stored)
{
    if (stored == u"1"_s || stored == u"2"_s || stored == u"3"_s)
        return stored.toInt();
    return 0;
}

std::optional<QTime> timeOfDay(const QString &stored)
{
    const QStringList parts = stored.trimmed().split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || parts[i].size() > 2)
            return std::nullopt;
    }
    const QTime time(values[0], values[1], values[2]);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

void setTime(Database &db, Time time, const QString &value)
{
    db.exec(u"update settings set %1 = ?"_s.arg(column(time)), {value});
}

void setManagerAddress(Database &db, const QString &address)
{
    db.exec(u"update settings set ipadd = ?"_s, {address});
}

void setConfirmation(Database &db, bool on)
{
    db.exec(u"update con set active = ?"_s, {stored(on)});
}

void setBreaks(Database &db, bool on)
{
    db.exec(u"update breaksettings set enablebreaks = ?"_s, {stored(on)});
}

void setAuthorisation(Database &db, bool on)
{
    db.exec(u"update breaksettings set enableauth = ?"_s, {stored(on)});
}

void setBreakNames(Database &db, const QStringList &names)
{
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < names.size(); ++i) {
        assignments << u"break%1 = ?"_s.arg(i + 1);
        values << names.at(i);
    }
    assignments << u"numof = ?"_s;
    values << QString::number(names.size());
    db.exec(u"update breaksettings set "_s + assignments.join(u','), values);
}

} // namespace StationSettings
