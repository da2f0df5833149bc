#pragma once

#include "reports/core/ErrorLogReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class DatePicker;

// ":: Error Log Report :: ": the day whose error log to show.
class ErrorLogReportDialog : public ReportDialog
{
    Q_OBJECT

public:
    ErrorLogReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                         QWidget *parent = nullptr);

    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

private:
    ErrorLogReport m_report;
    DatePicker *m_date = nullptr;
};
