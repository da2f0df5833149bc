#pragma once

#include "breaks/core/RemoteBreakGrant.h"

#include <QDialog>

class NameListWidget;
class QLineEdit;

// ":: Break Authorization ::" of the supervisor: choose a waiting employee and grant the
// break. The dialog stays open, so several employees can be granted in turn.
class AuthorizeBreakDialog : public QDialog
{
    Q_OBJECT

public:
    AuthorizeBreakDialog(Database &db, Prompter &prompter, const Clock &clock,
                         RemoteBreakGrant::Choice &choice, QWidget *parent = nullptr);

    // Shows the dialog until it is closed. A database error while reading the employees
    // is shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter, const Clock &clock,
                    RemoteBreakGrant::Choice &choice, QWidget *parent = nullptr);

    // Reads the employee list; throws DatabaseError.
    void loadEmployees();

private:
    void choose(const QString &name);
    void showChoice();

    RemoteBreakGrant m_logic;
    NameListWidget *m_employees = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_card = nullptr;
};
