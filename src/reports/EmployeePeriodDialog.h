#pragma once

#include "ReportDialog.h"

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

    void setNames(const QStringList &names);
    // Empty when no employee is chosen.
    QString chosenName() const;
    QDate start() const;
    QDate end() const;

private:
    NameListWidget *m_employees = nullptr;
    DateRange m_dates;
};
