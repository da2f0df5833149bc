#include "EmployeeHoursDialog.h"

#include "ReportedErrors.h"

EmployeeHoursDialog::EmployeeHoursDialog(Database &db, Prompter &prompter, const Clock &clock,
                                         QWidget *parent)
    : EmployeePeriodDialog(tr(":: Employee Hours ::"), tr("Please enter values below:"),
                           tr("Run Report!"), clock, parent),
      m_report(db, prompter)
{
}

void EmployeeHoursDialog::run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent)
{
    EmployeeHoursDialog dialog(db, prompter, clock, parent);
    if (runReported(prompter, [&] { dialog.setNames(dialog.m_report.employeeNames()); }))
        dialog.exec();
}

bool EmployeeHoursDialog::runReport()
{
    return m_report.run({chosenName(), start(), end()});
}
