#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class Database;

// The station's settings, the single rows of `settings`, `con` and `breaksettings`,
// read as what they mean. Switches are stored as "1" (on) and "0" (off), times as
// "HH:MM:SS", the number of breaks as "1" to "3". Every function that takes a database
// throws DatabaseError.
namespace StationSettings {

// A stored switch. Readers differ on a value that is neither "1" nor "0": only "1" turns
// a feature on, and only "0" makes the break commands say that breaks are off.
enum class Switch
{
    Off,
    On,
    Other
};

enum class Time
{
    EarlyCutOff,
    LateCutOff,
    AutoLogIn,
    AutoLogOut
};

struct Times
{
    // As stored: the reports compare them as text.
    QString earlyCutOff;
    QString lateCutOff;
    QString autoLogIn;
    QString autoLogOut;
};

struct Values
{
    QString managerAddress; // where break requests are sent
    Times times;
    bool confirmation = false;
    Switch breaks = Switch::Off;
    bool authorisation = false;
    int breaksPerDay = 0;
    QStringList breakNames; // breaks 1 to 3
};

Values load(Database &db);
Times times(Database &db);
QStringList breakNames(Database &db);

// Reading a stored text.
Switch switchOf(const QString &stored);
// The number of breaks a day; 0 for anything stored other than 1, 2 or 3.
int breakCount(const QString &stored);
// A time of day written as hours, minutes and seconds; none for anything else.
std::optional<QTime> timeOfDay(const QString &stored);

// Each runs inside the caller's transaction.
void setTime(Database &db, Time time, const QString &value);
void setManagerAddress(Database &db, const QString &address);
void setConfirmation(Database &db, bool on);
void setBreaks(Database &db, bool on);
void setAuthorisation(Database &db, bool on);
// Names the first `names.size()` breaks, 1 to 3, and makes that the number a day.
void setBreakNames(Database &db, const QStringList &names);

} // namespace StationSettings
