#pragma once

#include "wizard/gui/WizardPageFrame.h"

#include <QDialog>

class QLineEdit;

class CompanyPage : public QDialog
{
    Q_OBJECT

public:
    explicit CompanyPage(WizardContext context, QWidget *parent = nullptr);

private:
    void next();

    WizardContext m_context;
    QLineEdit *m_name;
    QLineEdit *m_telephone;
    QLineEdit *m_address1;
    QLineEdit *m_address2;
    QLineEdit *m_address3;
};
