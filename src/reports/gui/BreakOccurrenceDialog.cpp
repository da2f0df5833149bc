#include "reports/gui/BreakOccurrenceDialog.h"

#include "platform/core/Prompter.h"
#include "store/ReportedErrors.h"

BreakOccurrenceDialog::BreakOccurrenceDialog(Database &db, Prompter &prompter, const Clock &clock,
                                             const StartupValues &values, QWidget *parent)
    : EmployeePeriodDialog(tr(":: Break Occurance Report ::"), tr("Reporting options:"),
                           tr("Process!"), clock, parent),
      m_report(db, prompter, values)
{
}

void BreakOccurrenceDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                                const StartupValues &values, QWidget *parent)
{
    BreakOccurrenceDialog dialog(db, prompter, clock, values, parent);
    QList<NameList::Employee> employees;
    if (!runReported(prompter, [&] { employees = dialog.m_report.employees(); }))
        return;
    NameList::anyEmployees(prompter, employees.size());
    dialog.setEmployees(employees);
    dialog.exec();
}

bool BreakOccurrenceDialog::runReport()
{
    const NameList::Employee chosen = chosenEmployee();
    return m_report.run({chosen.name, chosen.cardNumber, start(), end()});
}
