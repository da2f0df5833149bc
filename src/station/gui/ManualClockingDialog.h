#pragma once

#include "station/core/ManualClocking.h"

#include <QDialog>

class Clock;
class DatePicker;
class QCheckBox;
class NameListWidget;
class QPushButton;
class TimeField;

// ":: Manual Log In/Out ::": a supervisor picks an employee and enters a log-in, a
// log-out or both. The dialog stays open after writing, so an entry can be repeated.
class ManualClockingDialog : public QDialog
{
    Q_OBJECT

public:
    ManualClockingDialog(Database &db, Prompter &prompter, const Clock &clock,
                         QWidget *parent = nullptr);

    // Shows the dialog until it is closed. A database error while reading the
    // employees is shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter, const Clock &clock,
                    QWidget *parent = nullptr);

    // Reads the employee list again; nothing is chosen afterwards. Throws DatabaseError.
    void loadEmployees();

private:
    struct LogRow
    {
        QCheckBox *box = nullptr;
        DatePicker *date = nullptr;
        TimeField *time = nullptr;
    };

    QWidget *buildEmployeeGroup();
    QWidget *buildOptionsGroup(Prompter &prompter, const Clock &clock);
    LogRow addLogRow(QWidget *group, const QString &text, Prompter &prompter, const Clock &clock);
    ManualClocking::Request request() const;
    void process();

    ManualClocking m_logic;
    Prompter &m_prompter;
    NameListWidget *m_employees = nullptr;
    LogRow m_logIn;
    LogRow m_logOut;
    QPushButton *m_process = nullptr;
};
