#include "reports/gui/NoClockReportDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

NoClockReportDialog::NoClockReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                         QWidget *parent)
    : ReportDialog(tr(":: No Clock in/out Report ::"), parent), m_report(db, prompter)
{
    auto *dateBox = new QGroupBox(tr("Select a date:"), this);
    m_date = new DatePicker(clock.now().date(), dateBox);
    m_date->setObjectName(u"reportDate"_s);
    auto *dateForm = new QFormLayout(dateBox);
    dateForm->addRow(tr("Please select a date:"), m_date);

    auto *optionsBox = new QGroupBox(tr("Select an option:"), this);
    m_noClockIns = new QCheckBox(tr("No Clock in's"), optionsBox);
    m_noClockIns->setObjectName(u"noClockInBox"_s);
    m_noClockOuts = new QCheckBox(tr("No Clock out's"), optionsBox);
    m_noClockOuts->setObjectName(u"noClockOutBox"_s);
    auto *optionsLayout = new QVBoxLayout(optionsBox);
    optionsLayout->addWidget(m_noClockIns);
    optionsLayout->addWidget(m_noClockOuts);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(dateBox);
    layout->addWidget(optionsBox);
    layout->addWidget(makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); }),
                      0, Qt::AlignRight);
}

void NoClockReportDialog::run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent)
{
    NoClockReportDialog dialog(db, prompter, clock, parent);
    dialog.exec();
}

NoClockReport::Options NoClockReportDialog::options() const
{
    return {m_date->date(), m_noClockIns->isChecked(), m_noClockOuts->isChecked()};
}
