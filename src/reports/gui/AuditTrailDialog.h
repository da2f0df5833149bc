#pragma once

#include "reports/core/AuditTrailReport.h"
#include "reports/gui/ReportDialog.h"

class Clock;
class QComboBox;

// ":: Audit Trail ::": a range of dates and which kind of change to list.
class AuditTrailDialog : public ReportDialog
{
    Q_OBJECT

public:
    AuditTrailDialog(Database &db, Prompter &prompter, const Clock &clock,
                     QWidget *parent = nullptr);

    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

private:
    AuditTrailReport::Options options() const;

    AuditTrailReport m_report;
    DateRange m_range;
    QComboBox *m_kind = nullptr;
};
