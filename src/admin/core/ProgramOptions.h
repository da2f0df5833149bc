#pragma once

#include "platform/core/TimeEntry.h"
#include "store/StationSettings.h"
#include "store/WorkSettings.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class Database;
class Prompter;

// The station settings a supervisor changes: the manager's address, the hosts whose
// break requests are shown, the cut-off and automatic log-in/out times and the
// confirmation, break, authorisation and kiosk switches.
// Each change is written at once; the station reads them at its next start.
class ProgramOptions
{
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    using Time = StationSettings::Time;

    struct Switches
    {
        bool confirmation = false;
        bool breaks = false;
        bool authorisation = false;
        bool kiosk = false;

        bool operator==(const Switches &) const = default;
    };

    struct Stored
    {
        QString managerAddress;
        QString breakRequestSenders;
        QString earlyCutOff;
        QString lateCutOff;
        QString autoLogIn;
        QString autoLogOut;
        Switches switches;
        int supervisorIdleMinutes = 0;
        WorkSettings work;
    };

    ProgramOptions(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // What is stored; none when it could not be read (the error was shown).
    std::optional<Stored> load();

    // Stores a complete time as HH:MM:SS; returns the stored text, none when refused
    // or failed.
    std::optional<QString> updateTime(Time time, const TimeEntry &entry);
    // Stores the address, without surrounding blanks; returns it, none when refused or
    // failed.
    std::optional<QString> updateManagerAddress(const QString &typed);
    // Stores after how many idle minutes a supervisor is logged out (0: never); returns
    // the number stored, none when refused or failed.
    std::optional<int> updateSupervisorIdleMinutes(const QString &typed);

    static constexpr int maxSupervisorIdleMinutes = 1440;
    // Stores the addresses and host names whose break requests the station shows, one
    // comma and blank between them; empty shows every host's. Returns the stored text,
    // none when refused or failed.
    std::optional<QString> updateBreakRequestSenders(const QString &typed);

    // Each takes the switches as the dialog shows them and the new state of one, writes
    // the change with what it entails, and returns the switches to show afterwards:
    // unchanged when the change was refused, declined or failed.
    Switches setConfirmation(const Switches &shown, bool on);
    Switches setBreaks(const Switches &shown, bool on);
    Switches setAuthorisation(const Switches &shown, bool on);
    Switches setKiosk(const Switches &shown, bool on);

private:
    // Turns the break switch off and drops the break marks, in the caller's transaction.
    void disableBreaks();
    void tellToRestart();

    Database &m_db;
    Prompter &m_prompter;
};
