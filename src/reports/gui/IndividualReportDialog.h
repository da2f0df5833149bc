#pragma once

#include "reports/core/IndividualReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class DatePicker;
class NameListWidget;
class QLineEdit;

// ":: Individual Report ::": an employee, chosen from the list or typed, and a range of
// dates.
class IndividualReportDialog : public ReportDialog
{
    Q_OBJECT

public:
    IndividualReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                           QWidget *parent = nullptr);

    // Shows the dialog until it is closed; a database error while reading the names is
    // shown and the dialog does not open.
    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

    // Reads the names. Throws DatabaseError.
    void loadEmployees();

private:
    IndividualReport::Options options() const;

    IndividualReport m_report;
    QList<NameList::Employee> m_employees;
    QLineEdit *m_name = nullptr;
    NameListWidget *m_names = nullptr;
    DatePicker *m_start = nullptr;
    DatePicker *m_end = nullptr;
};
