#pragma once

#include "reports/core/MonthlyReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class DatePicker;
class QCheckBox;

// ":: Monthly Report ::": a range of dates and which clockings to list.
class MonthlyReportDialog : public ReportDialog
{
    Q_OBJECT

public:
    MonthlyReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                        QWidget *parent = nullptr);

    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

private:
    MonthlyReport::Options options() const;

    MonthlyReport m_report;
    DatePicker *m_start = nullptr;
    DatePicker *m_end = nullptr;
    QCheckBox *m_logIns = nullptr;
    QCheckBox *m_logOuts = nullptr;
};
