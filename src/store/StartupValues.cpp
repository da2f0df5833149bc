#include "store/StartupValues.h"

#include "store/Database.h"
#include "store/StationOptions.h"
#include "store/StationSettings.h"

StartupValues StartupValues::read(Database &db)
{
    StartupValues values;
    const StationSettings::Values settings = StationSettings::load(db);
    values.autoLogIn = StationSettings::timeOfDay(settings.times.autoLogIn);
    values.autoLogOut = StationSettings::timeOfDay(settings.times.autoLogOut);
    values.managerAddress = settings.managerAddress;
    values.confirmation = settings.confirmation;
    values.breaks = settings.breaks;
    values.authorisation = settings.authorisation;
    values.numberOfBreaks = settings.breaksPerDay;
    values.breakNames = settings.breakNames;

    const StationOptions options(db);
    values.supervisorIdleMinutes = options.number(StationOptions::supervisorIdleMinutes,
                                                  StartupValues::defaultSupervisorIdleMinutes);
    values.breakRequestSenders = options.text(StationOptions::breakRequestSenders);
    values.kiosk = options.text(StationOptions::kiosk) == QLatin1String("1");
    return values;
}
