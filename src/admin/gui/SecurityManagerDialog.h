#pragma once

#include "admin/core/SecurityManager.h"

#include <QDialog>

class CapitalsPasswordField;
class NameListWidget;
class QLineEdit;

// ":: Security Settings ::": the supervisor adds accounts, gives the one chosen in the
// list a new name and password, or deletes an account after asking.
class SecurityManagerDialog : public QDialog
{
    Q_OBJECT

public:
    SecurityManagerDialog(Database &db, Prompter &prompter, QWidget *parent = nullptr);

    // Shows the dialog until it is closed. A database error while reading the users is
    // shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter, QWidget *parent = nullptr);

    // Reads the user list again; nothing is chosen afterwards. Throws DatabaseError.
    void loadUsers();

private:
    QWidget *buildOptionsGroup();
    SecurityManager::Account typed() const;
    void showChosen(const QString &userName);
    void finish(SecurityManager::Outcome outcome);

    SecurityManager m_manager;
    Prompter &m_prompter;
    NameListWidget *m_users = nullptr;
    QLineEdit *m_userName = nullptr;
    CapitalsPasswordField *m_password = nullptr;
    CapitalsPasswordField *m_confirmation = nullptr;
};
