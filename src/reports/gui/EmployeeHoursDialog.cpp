#include "reports/gui/EmployeeHoursDialog.h"

#include "store/ReportedErrors.h"

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
    if (runReported(prompter, [&] { dialog.setEmployees(dialog.m_report.employees()); }))
        dialog.exec();
}

bool EmployeeHoursDialog::runReport()
{
    const NameList::Employee chosen = chosenEmployee();
    return m_report.run({chosen.name, chosen.cardNumber, start(), end()});
}
