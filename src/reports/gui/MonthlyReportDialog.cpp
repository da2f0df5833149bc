#include "reports/gui/MonthlyReportDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/PictureFrame.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MonthlyReportDialog::MonthlyReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                         QWidget *parent)
    : ReportDialog(tr(":: Monthly Report ::"), parent), m_report(db, prompter)
{
    const QDate today = clock.now().date();
    auto *range = new QGroupBox(tr("Please select a date range:"), this);
    m_start = new DatePicker(today, range);
    m_start->setObjectName(u"startDate"_s);
    m_end = new DatePicker(today, range);
    m_end->setObjectName(u"endDate"_s);
    auto *rangeForm = new QFormLayout(range);
    rangeForm->addRow(tr("Starting Date:"), m_start);
    rangeForm->addRow(tr("Ending Date:"), m_end);

    auto *types = new QGroupBox(tr("Please select a log-in type:"), this);
    m_logIns = new QCheckBox(tr("Login"), types);
    m_logIns->setObjectName(u"logInBox"_s);
    m_logOuts = new QCheckBox(tr("Logout"), types);
    m_logOuts->setObjectName(u"logOutBox"_s);
    auto *typesLayout = new QVBoxLayout(types);
    typesLayout->addWidget(m_logIns);
    typesLayout->addWidget(m_logOuts);

    auto *column = new QVBoxLayout;
    column->addWidget(range);
    column->addWidget(types);
    column->addWidget(makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); }),
                      0, Qt::AlignRight);

    PictureFrame::lay(this, column);
}

void MonthlyReportDialog::run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent)
{
    MonthlyReportDialog dialog(db, prompter, clock, parent);
    dialog.exec();
}

MonthlyReport::Options MonthlyReportDialog::options() const
{
    return {m_start->date(), m_end->date(), m_logIns->isChecked(), m_logOuts->isChecked()};
}
