#pragma once

#include "ManualBreakAuthorization.h"

#include <QDialog>
#include <optional>

class QLineEdit;

// ":: Manual Break Authorization ::": a supervisor's user name and password, typed at
// the station, grant the break.
class ManualBreakAuthorizationDialog : public QDialog
{
    Q_OBJECT

public:
    ManualBreakAuthorizationDialog(Database &db, Prompter &prompter, QWidget *parent = nullptr);

    // Shows the dialog until it is closed; the card granted, if any.
    static std::optional<QString> run(Database &db, Prompter &prompter, QWidget *parent = nullptr);

    const std::optional<QString> &grantedCard() const { return m_granted; }

private:
    void authorize();

    ManualBreakAuthorization m_logic;
    QLineEdit *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    std::optional<QString> m_granted;
};
