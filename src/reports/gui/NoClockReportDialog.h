#pragma once

#include "reports/core/NoClockReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class DatePicker;
class QCheckBox;

// ":: No Clock in/out Report ::": the day and which lists of missing clockings to show.
class NoClockReportDialog : public ReportDialog
{
    Q_OBJECT

public:
    NoClockReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                        QWidget *parent = nullptr);

    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

private:
    NoClockReport::Options options() const;

    NoClockReport m_report;
    DatePicker *m_date = nullptr;
    QCheckBox *m_noClockIns = nullptr;
    QCheckBox *m_noClockOuts = nullptr;
};
