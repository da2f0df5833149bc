#pragma once

#include <QList>
#include <QString>

// The station's menu bar: every command with the access it needs.
namespace StationMenu {

enum class Access
{
    Open,        // anyone at the station
    Gated,       // a supervisor must be logged in
    BreaksGated, // breaks must be enabled, then a supervisor must be logged in
    Disabled,    // shown but never available
};

// Command identifiers, kept from the program's first menus.
enum Command
{
    LogIn = 32771,
    LogOut = 32785,
    Exit = 32772,
    DailyReport = 32773,
    MonthlyReport = 32774,
    NoClockReport = 32775,
    EarlyLateReport = 32776,
    IndividualReport = 32777,
    ErrorLogReport = 32789,
    EmployeeHoursReport = 32790,
    BreakReport = 32796,
    PayrollExport = 32798,
    WhoIsIn = 32799,
    AuditTrail = 32800,
    DatabaseManager = 32778,
    EmployeeManager = 32779,
    SecurityManager = 32780,
    BackUpNow = 32801,
    RestoreBackup = 32802,
    ProgramOptions = 32781,
    CompanySetup = 32782,
    NetworkOptions = 32792,
    BreakOptions = 32793,
    AuthorizeBreak = 32794,
    ForceLogIn = 32786,
    ForceLogOut = 32787,
    ManualLogInOut = 32788,
    ManualBreakEntry = 32797,
    About = 32784,
    CheckForUpdates = 32791,
    Separator = 0,
};

struct Item
{
    QString menu;
    QString text; // empty for a separator
    Command command;
    Access access;
};

QList<Item> items();

} // namespace StationMenu
