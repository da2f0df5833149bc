#include "reports/gui/ReportCommands.h"

#include "reports/core/ReportFile.h"
#include "reports/core/WhoIsInReport.h"
#include "reports/gui/AuditTrailDialog.h"
#include "reports/gui/BreakOccurrenceDialog.h"
#include "reports/gui/DailyReportDialog.h"
#include "reports/gui/EarlyLateLeaversDialog.h"
#include "reports/gui/EmployeeHoursDialog.h"
#include "reports/gui/ErrorLogReportDialog.h"
#include "reports/gui/IndividualReportDialog.h"
#include "reports/gui/MonthlyReportDialog.h"
#include "reports/gui/NoClockReportDialog.h"
#include "reports/gui/PayrollExportDialog.h"
#include "reports/gui/ReportViewer.h"
#include "store/StartupValues.h"

namespace {

// Who is in changes by the minute, so the page is written again while it is open.
constexpr int whoIsInRefreshMs = 30'000;

} // namespace

void ReportCommands::showWhoIsIn()
{
    WhoIsInReport report(m_db, m_prompter, m_values.breakNames);
    if (!report.run())
        return;
    ReportViewer viewer(ReportFile::path(), m_window);
    viewer.refreshEvery(whoIsInRefreshMs, [&report] { return report.run(); });
    viewer.offerExport([&report](const QString &path) { report.exportCsv(path); });
    viewer.exec();
}

MenuCommands ReportCommands::commands()
{
    return {
        {StationMenu::DailyReport,
         [this] { DailyReportDialog::run(m_db, m_prompter, m_clock, m_values, m_window); }},
        {StationMenu::MonthlyReport,
         [this] { MonthlyReportDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::IndividualReport,
         [this] { IndividualReportDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::NoClockReport,
         [this] { NoClockReportDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::ErrorLogReport,
         [this] { ErrorLogReportDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::EarlyLateReport,
         [this] { EarlyLateLeaversDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::EmployeeHoursReport,
         [this] { EmployeeHoursDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::BreakReport,
         [this] { BreakOccurrenceDialog::run(m_db, m_prompter, m_clock, m_values, m_window); }},
        {StationMenu::WhoIsIn, [this] { showWhoIsIn(); }},
        {StationMenu::AuditTrail,
         [this] { AuditTrailDialog::run(m_db, m_prompter, m_clock, m_window); }},
        {StationMenu::PayrollExport,
         [this] { PayrollExportDialog::run(m_db, m_prompter, m_clock, m_window); }},
    };
}
