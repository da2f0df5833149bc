#include "reports/gui/EmployeePeriodDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

EmployeePeriodDialog::EmployeePeriodDialog(const QString &title, const QString &groupTitle,
                                           const QString &runCaption, const Clock &clock,
                                           QWidget *parent)
    : ReportDialog(title, parent)
{
    auto *group = new QGroupBox(groupTitle, this);
    m_employees = new NameListWidget(tr("Employee"), group);
    m_employees->setObjectName(u"employeeList"_s);

    auto *dates = new QFormLayout;
    m_dates = addDateRows(dates, group, clock.now().date());

    auto *choices = new QVBoxLayout(group);
    choices->addWidget(m_employees, 1);
    choices->addLayout(dates);

    auto *column = new QVBoxLayout;
    column->addWidget(group, 1);
    column->addWidget(makeRunButton(runCaption, [this] { return runReport(); }), 0, Qt::AlignRight);
    PictureFrame::lay(this, column);
}

void EmployeePeriodDialog::setEmployees(const QList<NameList::Employee> &employees)
{
    m_shown = employees;
    m_employees->setNames(NameList::labels(employees));
}

NameList::Employee EmployeePeriodDialog::chosenEmployee() const
{
    return m_shown.value(m_employees->chosenIndex());
}

QDate EmployeePeriodDialog::start() const
{
    return m_dates.start->date();
}

QDate EmployeePeriodDialog::end() const
{
    return m_dates.end->date();
}
