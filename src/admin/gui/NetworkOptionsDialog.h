#pragma once

#include "admin/core/NetworkOptions.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// ":: Network Options ::": local or shared database for this station, applied by
// ending the program.
class NetworkOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // `choice` is the run's remembered choice, shown on opening and updated by the radio
    // buttons; `localMode` is the mode the station started in.
    // A change is recorded in the audit trail of `current`, the database in use, when given.
    NetworkOptionsDialog(const QString &homeFolder, Prompter &prompter, bool localMode,
                         NetworkOptions::Choice &choice, QWidget *parent = nullptr,
                         Database *current = nullptr);

    // Returns true when a change was applied and the program must end.
    static bool run(Prompter &prompter, bool localMode, NetworkOptions::Choice &choice,
                    QWidget *parent, Database *current = nullptr);

private:
    void choose(NetworkOptions::Choice choice);
    void apply();

    NetworkOptions m_options;
    NetworkOptions::Choice &m_choice;
    QRadioButton *m_local = nullptr;
    QRadioButton *m_network = nullptr;
    QLineEdit *m_path = nullptr;
    QPushButton *m_test = nullptr;
};
