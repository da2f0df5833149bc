#pragma once

#include "store/StationSettings.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class Database;

// Settings the station reads once at start and keeps for the whole run: a change in
// the options takes effect at the next start.
struct StartupValues
{
    // None where the stored time is not one: nobody is logged in or out automatically.
    std::optional<QTime> autoLogIn;
    std::optional<QTime> autoLogOut;
    QString managerAddress;
    bool confirmation = false;
    StationSettings::Switch breaks = StationSettings::Switch::Off;
    bool authorisation = false;
    // 0 when no valid number is stored.
    int numberOfBreaks = 0;
    QStringList breakNames; // breaks 1 to 3
    // Minutes without use before a supervisor is logged out; 0 keeps the log-in.
    int supervisorIdleMinutes = defaultSupervisorIdleMinutes;

    static constexpr int defaultSupervisorIdleMinutes = 10;
    // The hosts whose break requests are shown: options, StationOptions::breakRequestSenders.
    QString breakRequestSenders;
    // Full screen, closed only by a supervisor: options, StationOptions::kiosk.
    bool kiosk = false;

    // Reads the values as the station starts with them. Throws DatabaseError.
    static StartupValues read(Database &db);

    bool breaksOn() const { return breaks == StationSettings::Switch::On; }
    int breaksPerDay() const { return numberOfBreaks; }
};
