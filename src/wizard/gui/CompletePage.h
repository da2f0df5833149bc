#pragma once

#include "wizard/gui/WizardPageFrame.h"

#include <QDialog>

class QProgressBar;

class CompletePage : public QDialog
{
    Q_OBJECT

public:
    static const QString contactAddress;

    explicit CompletePage(WizardContext context, QWidget *parent = nullptr);

private:
    void finish();

    WizardContext m_context;
    QProgressBar *m_progress;
};
