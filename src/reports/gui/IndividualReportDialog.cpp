#include "reports/gui/IndividualReportDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"
#include "store/ReportedErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

IndividualReportDialog::IndividualReportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                               QWidget *parent)
    : ReportDialog(tr(":: Individual Report ::"), parent), m_report(db, prompter)
{
    auto *employee = new QGroupBox(tr("Please select an employee to view:"), this);
    // A name can be typed as well as chosen: it is reported as it stands.
    m_name = new QLineEdit(employee);
    m_name->setObjectName(u"employeeName"_s);
    m_name->setAccessibleName(tr("Employee name"));
    m_names = new NameListWidget(tr("Employees"), employee);
    m_names->setObjectName(u"employeeList"_s);
    connect(m_names, &NameListWidget::nameChosen, this,
            [this] { m_name->setText(m_employees.value(m_names->chosenIndex()).name); });
    auto *employeeLayout = new QVBoxLayout(employee);
    employeeLayout->addWidget(m_name);
    employeeLayout->addWidget(m_names);

    const QDate today = clock.now().date();
    m_start = new DatePicker(today, this);
    m_start->setObjectName(u"startDate"_s);
    m_end = new DatePicker(today, this);
    m_end->setObjectName(u"endDate"_s);
    auto *dates = new QFormLayout;
    dates->setRowWrapPolicy(QFormLayout::WrapAllRows);
    dates->addRow(tr("Please select a starting date:"), m_start);
    dates->addRow(tr("Please select an ending date:"), m_end);

    auto *column = new QVBoxLayout;
    column->addLayout(dates);
    column->addStretch();
    column->addWidget(PictureFrame::picture(this), 0, Qt::AlignCenter);
    column->addWidget(
        makeRunButton(tr("Run the Report!"), [this] { return m_report.run(options()); }));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(employee, 1);
    layout->addLayout(column);
}

void IndividualReportDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                                 QWidget *parent)
{
    IndividualReportDialog dialog(db, prompter, clock, parent);
    if (runReported(prompter, [&] { dialog.loadEmployees(); }))
        dialog.exec();
}

void IndividualReportDialog::loadEmployees()
{
    m_employees = m_report.employees();
    m_names->setNames(NameList::labels(m_employees));
}

IndividualReport::Options IndividualReportDialog::options() const
{
    // The chosen employee's card, unless another name was typed over theirs.
    const NameList::Employee chosen = m_employees.value(m_names->chosenIndex());
    const QString typed = m_name->text();
    return {typed, typed == chosen.name ? chosen.cardNumber : QString(), m_start->date(),
            m_end->date()};
}
