#pragma once

#include "reports/export/PayrollExport.h"
#include "reports/gui/ReportDialog.h"
#include "store/NameList.h"

#include <functional>

class Clock;
class Database;
class Prompter;
class QComboBox;

// Reports > Payroll Export: a period (last month when it opens), everyone or one
// employee, a format, and the file chosen in the desktop's save dialog.
class PayrollExportDialog : public ReportDialog
{
    Q_OBJECT

public:
    // Asks where to save, starting at `suggested`; empty when cancelled.
    using FileChooser =
        std::function<QString(QWidget *parent, const QString &suggested, PayrollFormat format)>;

    PayrollExportDialog(Database &db, Prompter &prompter, const Clock &clock,
                        QWidget *parent = nullptr, FileChooser chooseFile = {});

    // Opens the dialog once the employees are read; a database error is shown instead.
    static void run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent);

    // Throws DatabaseError.
    void loadEmployees();

private:
    void exportPayroll();
    static QString askForFile(QWidget *parent, const QString &suggested, PayrollFormat format);

    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    FileChooser m_chooseFile;
    DateRange m_dates;
    QComboBox *m_employee = nullptr;
    QComboBox *m_format = nullptr;
    QList<NameList::Employee> m_shown;
};
