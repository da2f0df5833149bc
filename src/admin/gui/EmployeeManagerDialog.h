#pragma once

#include "admin/core/EmployeeManager.h"

#include <QDialog>

class NameListWidget;
class QLineEdit;

// ":: Employee Manager ::": the supervisor adds employees, and renames, renumbers or
// deletes the one chosen in the list.
class EmployeeManagerDialog : public QDialog
{
    Q_OBJECT

public:
    EmployeeManagerDialog(Database &db, Prompter &prompter,
                          std::optional<EmployeeManager::Employee> &chosen,
                          QWidget *parent = nullptr);

    // Shows the dialog until it is closed; `chosen` is kept by the caller for the run. A
    // database error while reading the employees is shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter,
                    std::optional<EmployeeManager::Employee> &chosen, QWidget *parent = nullptr);

    // Reads the employee list again; nothing is chosen afterwards. Throws DatabaseError.
    void loadEmployees();

private:
    QWidget *buildDetailsGroup();
    EmployeeManager::Employee typed() const;
    void showChosen();
    void finish(EmployeeManager::Outcome outcome);

    EmployeeManager m_manager;
    Prompter &m_prompter;
    NameListWidget *m_employees = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_cardNumber = nullptr;
};
