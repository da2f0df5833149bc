#include "platform/core/StationMenu.h"

#include <QCoreApplication>

namespace StationMenu {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("StationMenu", text);
}

} // namespace

QList<Item> items()
{
    const QString main = tr("Main");
    const QString reports = tr("Reports");
    const QString maintenance = tr("Maintainence");
    const QString options = tr("Options");
    const QString logOptions = tr("Log Options");
    const QString about = tr("About");
    const QString updates = tr("Updates");
    return {
        {main, tr("Log-in"), LogIn, Access::Open},
        {main, tr("Log-out"), LogOut, Access::Open},
        {main, {}, Separator, Access::Open},
        {main, tr("Exit"), Exit, Access::Open},
        {reports, tr("Daily Report"), DailyReport, Access::Gated},
        {reports, tr("Monthly Report"), MonthlyReport, Access::Gated},
        {reports, tr("No Clock in"), NoClockReport, Access::Gated},
        {reports, tr("Early/Late Leavers"), EarlyLateReport, Access::Gated},
        {reports, tr("Individual Report"), IndividualReport, Access::Gated},
        {reports, tr("Error Log Report"), ErrorLogReport, Access::Gated},
        {reports, tr("Employee Hours"), EmployeeHoursReport, Access::Gated},
        {reports, tr("Break Report"), BreakReport, Access::BreaksGated},
        {reports, tr("Payroll Export..."), PayrollExport, Access::Gated},
        {reports, tr("Who Is In"), WhoIsIn, Access::Gated},
        {reports, tr("Audit Trail"), AuditTrail, Access::Gated},
        {maintenance, tr("Database Manager"), DatabaseManager, Access::Gated},
        {maintenance, tr("Employee Manager"), EmployeeManager, Access::Gated},
        {maintenance, tr("Security Manager"), SecurityManager, Access::Gated},
        {maintenance, {}, Separator, Access::Open},
        {maintenance, tr("Back Up Now"), BackUpNow, Access::Gated},
        {maintenance, tr("Restore..."), RestoreBackup, Access::Gated},
        {options, tr("Program Options"), ProgramOptions, Access::Gated},
        {options, tr("Company Setup"), CompanySetup, Access::Gated},
        {options, tr("Network Options"), NetworkOptions, Access::Gated},
        {options, {}, Separator, Access::Open},
        {options, tr("Setup Break Options"), BreakOptions, Access::BreaksGated},
        {options, tr("Authorize Break Request"), AuthorizeBreak, Access::BreaksGated},
        {logOptions, tr("Force Global Log-in"), ForceLogIn, Access::Gated},
        {logOptions, tr("Force Global Log-out"), ForceLogOut, Access::Gated},
        {logOptions, {}, Separator, Access::Open},
        {logOptions, tr("Manual Log In/Out"), ManualLogInOut, Access::Gated},
        {logOptions, tr("Manual Break Entry"), ManualBreakEntry, Access::BreaksGated},
        {about, tr("About Chronel"), About, Access::Open},
        {updates, tr("Check for Updates!"), CheckForUpdates, Access::Disabled},
    };
}

} // namespace StationMenu
