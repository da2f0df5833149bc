#pragma once

#include "reports/core/EarlyLateLeaversReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class QCheckBox;

// ":: Early / Late leavers report ::": a date range and which leavers to list.
class EarlyLateLeaversDialog : public ReportDialog
{
    Q_OBJECT

public:
    EarlyLateLeaversDialog(Database &db, Prompter &prompter, const Clock &clock,
                           QWidget *parent = nullptr);

    // Reads the cut-off times and shows the dialog until it is closed; when they
    // cannot be read the error is shown and the dialog does not open.
    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

private:
    EarlyLateLeaversReport::Options options() const;

    EarlyLateLeaversReport m_report;
    DateRange m_dates;
    QCheckBox *m_early = nullptr;
    QCheckBox *m_late = nullptr;
};
