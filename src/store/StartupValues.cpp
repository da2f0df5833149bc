#include "store/StartupValues.h"

#include "store/Database.h"
#include "store/StationOptions.h"

using namespace Qt::StringLiterals;

StartupValues StartupValues::read(Database &db)
{
    StartupValues values;
    const SqlRow settings = db.first(u"select ali,alo,ipadd from settings"_s);
    values.autoLogInTime = settings[u"ali"_s];
    values.autoLogOutTime = settings[u"alo"_s];
    values.managerAddress = settings[u"ipadd"_s];

    values.confirmation = db.first(u"select active from con"_s)[u"active"_s];

    const SqlRow breaks =
        db.first(u"select enablebreaks,enableauth,numof,break1,break2,break3 from breaksettings"_s);
    values.enableBreaks = breaks[u"enablebreaks"_s];
    values.enableAuth = breaks[u"enableauth"_s];
    values.numberOfBreaks = breaks[u"numof"_s];
    values.breakNames = {breaks[u"break1"_s], breaks[u"break2"_s], breaks[u"break3"_s]};

    values.supervisorIdleMinutes = StationOptions(db).number(
        StationOptions::supervisorIdleMinutes, StartupValues::defaultSupervisorIdleMinutes);
    values.breakRequestSenders = StationOptions(db).text(StationOptions::breakRequestSenders);
    return values;
}
