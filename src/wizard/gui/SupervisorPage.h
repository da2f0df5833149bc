#pragma once

#include "wizard/gui/WizardPageFrame.h"

#include <QDialog>

class QLineEdit;

class SupervisorPage : public QDialog
{
    Q_OBJECT

public:
    explicit SupervisorPage(WizardContext context, QWidget *parent = nullptr);

private:
    void next();

    WizardContext m_context;
    QLineEdit *m_userName;
    QLineEdit *m_password;
    QLineEdit *m_confirmation;
};
