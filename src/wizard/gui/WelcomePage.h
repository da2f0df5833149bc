#pragma once

#include "wizard/gui/WizardPageFrame.h"

#include <QDialog>

class WelcomePage : public QDialog
{
    Q_OBJECT

public:
    explicit WelcomePage(WizardContext context, QWidget *parent = nullptr);

private:
    WizardContext m_context;
};
