#include "reports/gui/DailyReportDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/PictureFrame.h"
#include "store/StartupValues.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

DailyReportDialog::DailyReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                     const StartupValues &values, QWidget *parent)
    : ReportDialog(tr(":: Daily Log-in and Log-out Report:"), parent),
      m_report(db, prompter, values)
{
    auto *details = new QGroupBox(tr("Please enter the details below:"), this);
    m_date = new DatePicker(clock.now().date(), details);
    m_date->setObjectName(u"reportDate"_s);
    auto *dateForm = new QFormLayout;
    dateForm->addRow(tr("Date to run report for:"), m_date);

    auto *optionsBox = new QGroupBox(tr("Report Options:"), details);
    m_logIns = new QCheckBox(tr("Log-in"), optionsBox);
    m_logIns->setObjectName(u"logInBox"_s);
    m_logOuts = new QCheckBox(tr("Log-out"), optionsBox);
    m_logOuts->setObjectName(u"logOutBox"_s);
    m_breaks = new QCheckBox(tr("Show Breaks"), optionsBox);
    m_breaks->setObjectName(u"showBreaksBox"_s);
    // The breaks are there to show only when the station started with breaks on.
    m_breaks->setEnabled(values.breaksOn());
    auto *optionsLayout = new QVBoxLayout(optionsBox);
    optionsLayout->addWidget(m_logIns);
    optionsLayout->addWidget(m_logOuts);
    optionsLayout->addWidget(m_breaks);

    QPushButton *runButton =
        makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); });

    auto *detailsLayout = new QVBoxLayout(details);
    detailsLayout->addLayout(dateForm);
    detailsLayout->addWidget(optionsBox);
    detailsLayout->addWidget(runButton, 0, Qt::AlignRight);

    PictureFrame::lay(this, details);
}

void DailyReportDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                            const StartupValues &values, QWidget *parent)
{
    DailyReportDialog dialog(db, prompter, clock, values, parent);
    dialog.exec();
}

DailyReport::Options DailyReportDialog::options() const
{
    return {m_date->date(), m_logIns->isChecked(), m_logOuts->isChecked(),
            m_breaks->isEnabled() && m_breaks->isChecked()};
}
