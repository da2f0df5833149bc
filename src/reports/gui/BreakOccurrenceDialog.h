#pragma once

#include "reports/core/BreakOccurrenceReport.h"
#include "reports/gui/EmployeePeriodDialog.h"

// ":: Break Occurance Report ::": an employee and the period whose breaks to list.
class BreakOccurrenceDialog : public EmployeePeriodDialog
{
    Q_OBJECT

public:
    BreakOccurrenceDialog(Database &db, Prompter &prompter, const Clock &clock,
                          const StartupValues &values, QWidget *parent = nullptr);

    // Fills the employee list and shows the dialog until it is closed. With no
    // employees it says so and opens on the empty list; when the list cannot be read
    // the error is shown and the dialog does not open.
    static void run(Database &db, Prompter &prompter, const Clock &clock,
                    const StartupValues &values, QWidget *parent);

protected:
    bool runReport() override;

private:
    BreakOccurrenceReport m_report;
};
