#pragma once

#include "reports/gui/ReportDialog.h"
#include "store/NameList.h"

#include <QDate>

class Clock;
class NameListWidget;

// A report dialog on one employee over a period: the employee list, the starting and
// ending dates (today when it opens) and the run button, which calls runReport().
class EmployeePeriodDialog : public ReportDialog
{
    Q_OBJECT

protected:
    EmployeePeriodDialog(const QString &title, const QString &groupTitle, const QString &runCaption,
                         const Clock &clock, QWidget *parent);

    // Writes the page; true when it is ready for the viewer.
    virtual bool runReport() = 0;

    void setEmployees(const QList<NameList::Employee> &employees);
    // Empty when no employee is chosen.
    NameList::Employee chosenEmployee() const;
    QDate start() const;
    QDate end() const;

private:
    NameListWidget *m_employees = nullptr;
    QList<NameList::Employee> m_shown;
    DateRange m_dates;
};
