#pragma once

#include "reports/core/EmployeeHoursReport.h"
#include "reports/gui/EmployeePeriodDialog.h"

// ":: Employee Hours ::": an employee and a range of dates.
class EmployeeHoursDialog : public EmployeePeriodDialog
{
    Q_OBJECT

public:
    EmployeeHoursDialog(Database &db, Prompter &prompter, const Clock &clock,
                        QWidget *parent = nullptr);

    // Fills the employee list and shows the dialog until it is closed; when the list
    // cannot be read the error is shown and the dialog does not open.
    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

protected:
    bool runReport() override;

private:
    EmployeeHoursReport m_report;
};
