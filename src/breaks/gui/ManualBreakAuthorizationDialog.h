#pragma once

#include "breaks/core/ManualBreakAuthorization.h"

#include <QDialog>

class QLineEdit;

// ":: Manual Break Authorization ::": a supervisor's user name and password, typed at
// the station, grant the break of the employee whose dialog is open.
class ManualBreakAuthorizationDialog : public QDialog
{
    Q_OBJECT

public:
    ManualBreakAuthorizationDialog(Database &db, Prompter &prompter, const Clock &clock,
                                   const QString &card, QWidget *parent = nullptr);

    // Shows the dialog until it is closed; true when `card` was granted.
    static bool run(Database &db, Prompter &prompter, const Clock &clock, const QString &card,
                    QWidget *parent = nullptr);

    bool granted() const { return m_granted; }

private:
    void authorize();

    ManualBreakAuthorization m_logic;
    QLineEdit *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    bool m_granted = false;
};
