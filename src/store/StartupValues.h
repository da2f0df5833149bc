#pragma once

#include <QString>
#include <QStringList>

// Settings the station reads once at start and keeps for the whole run: a change in
// the options takes effect at the next start.
struct StartupValues
{
    QString autoLogInTime;  // settings.ali
    QString autoLogOutTime; // settings.alo
    QString managerAddress; // settings.ipadd
    QString confirmation;   // con.active
    QString enableBreaks;   // breaksettings.enablebreaks
    QString enableAuth;     // breaksettings.enableauth
    QString numberOfBreaks; // breaksettings.numof
    QStringList breakNames; // breaksettings.break1..break3
    // Minutes without use before a supervisor is logged out; 0 keeps the log-in.
    int supervisorIdleMinutes = defaultSupervisorIdleMinutes;

    static constexpr int defaultSupervisorIdleMinutes = 10;
    // The hosts whose break requests are shown: options, StationOptions::breakRequestSenders.
    QString breakRequestSenders;
    // Full screen, closed only by a supervisor: options, StationOptions::kiosk.
    bool kiosk = false;

    bool confirmationOn() const { return confirmation == QLatin1String("1"); }
    bool breaksOn() const { return enableBreaks == QLatin1String("1"); }
    bool authorisationOn() const { return enableAuth == QLatin1String("1"); }
    // The number of breaks a day; 0 for anything stored other than 1, 2 or 3.
    int breaksPerDay() const { return breaksPerDay(numberOfBreaks); }
    static int breaksPerDay(const QString &count)
    {
        if (count == QLatin1String("1") || count == QLatin1String("2") ||
            count == QLatin1String("3"))
            return count.toInt();
        return 0;
    }
};
