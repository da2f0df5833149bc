#pragma once

#include "admin/core/ProgramOptions.h"

#include <QDialog>

class QCheckBox;
class QFormLayout;
class QGridLayout;
class QLineEdit;
class TimeField;

// ":: Program Options ::": every button and box writes its setting at once; closing
// the dialog writes nothing.
class ProgramOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    ProgramOptionsDialog(Database &db, Prompter &prompter, const ProgramOptions::Stored &stored,
                         QWidget *parent = nullptr);

    // Opens the dialog on the stored settings; nothing opens when they cannot be read.
    static void run(Database &db, Prompter &prompter, QWidget *parent);

private:
    QWidget *buildAddressGroup(const ProgramOptions::Stored &stored);
    void addSendersRow(QWidget *group, QFormLayout *form, const QString &current);
    QWidget *buildTimeGroup(const QString &title, const ProgramOptions::Stored &stored,
                            ProgramOptions::Time first, ProgramOptions::Time second,
                            const QString &note);
    void addTimeRow(QGridLayout *grid, ProgramOptions::Time time, const QString &current);
    QWidget *buildSwitchGroup();
    QWidget *buildSupervisorGroup(int idleMinutes);
    QCheckBox *addSwitch(QWidget *group, const QString &text, const QString &objectName);
    void showSwitches(const ProgramOptions::Switches &switches);

    ProgramOptions m_options;
    Prompter &m_prompter;
    ProgramOptions::Switches m_switches;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_currentAddress = nullptr;
    QLineEdit *m_senders = nullptr;
    QCheckBox *m_confirmation = nullptr;
    QCheckBox *m_breaks = nullptr;
    QCheckBox *m_authorisation = nullptr;
    QCheckBox *m_kiosk = nullptr;
};
