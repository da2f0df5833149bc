#pragma once

#include "reports/core/DailyReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class DatePicker;
class QCheckBox;

// ":: Daily Log-in and Log-out Report:": the day, which lists to show, and the breaks
// when the station runs with breaks.
class DailyReportDialog : public ReportDialog
{
    Q_OBJECT

public:
    DailyReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                      const StartupValues &values, QWidget *parent = nullptr);

    static void run(Database &db, Prompter &prompter, const Clock &clock,
                    const StartupValues &values, QWidget *parent);

private:
    DailyReport::Options options() const;

    DailyReport m_report;
    DatePicker *m_date = nullptr;
    QCheckBox *m_logIns = nullptr;
    QCheckBox *m_logOuts = nullptr;
    QCheckBox *m_breaks = nullptr;
};
