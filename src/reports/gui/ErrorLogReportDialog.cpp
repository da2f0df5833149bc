#include "reports/gui/ErrorLogReportDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/PictureFrame.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ErrorLogReportDialog::ErrorLogReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                           QWidget *parent)
    : ReportDialog(tr(":: Error Log Report :: "), parent), m_report(db, prompter)
{
    auto *dateBox = new QGroupBox(tr("Please select a date:"), this);
    m_date = new DatePicker(clock.now().date(), dateBox);
    m_date->setObjectName(u"reportDate"_s);
    m_date->setAccessibleName(tr("Please select a date:"));
    auto *dateLayout = new QVBoxLayout(dateBox);
    dateLayout->addWidget(m_date);
    dateLayout->addWidget(
        makeRunButton(tr("Run Report!"), [this] { return m_report.run(m_date->date()); }), 0,
        Qt::AlignRight);

    PictureFrame::lay(this, dateBox);
}

void ErrorLogReportDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                               QWidget *parent)
{
    ErrorLogReportDialog dialog(db, prompter, clock, parent);
    dialog.exec();
}
