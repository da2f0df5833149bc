#include "BreakOccurrenceDialog.h"

#include "Prompter.h"
#include "ReportedErrors.h"

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
    QStringList names;
    if (!runReported(prompter, [&] { names = dialog.m_report.employeeNames(); }))
        return;
    if (names.isEmpty())
        prompter.inform(tr("Error!"), tr("Fatal error - no employees found!"), PromptIcon::Error);
    dialog.setNames(names);
    dialog.exec();
}

bool BreakOccurrenceDialog::runReport()
{
    return m_report.run({chosenName(), start(), end()});
}
