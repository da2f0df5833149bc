#include "reports/gui/ReportCommands.h"

#include "reports/gui/BreakOccurrenceDialog.h"
#include "reports/gui/DailyReportDialog.h"
#include "reports/gui/EarlyLateLeaversDialog.h"
#include "reports/gui/EmployeeHoursDialog.h"
#include "reports/gui/ErrorLogReportDialog.h"
#include "reports/gui/IndividualReportDialog.h"
#include "reports/gui/MonthlyReportDialog.h"
#include "reports/gui/NoClockReportDialog.h"
#include "reports/gui/PayrollExportDialog.h"

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
        {StationMenu::PayrollExport,
         [this] { PayrollExportDialog::run(m_db, m_prompter, m_clock, m_window); }},
    };
}
