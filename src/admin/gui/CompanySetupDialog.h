#pragma once

#include "admin/core/CompanySetup.h"

#include <QDialog>

class QLineEdit;

class CompanySetupDialog : public QDialog
{
    Q_OBJECT

public:
    CompanySetupDialog(CompanySetup &setup, const CompanyDetails &details,
                       QWidget *parent = nullptr);

    // Opens the dialog on the stored details; nothing opens when they cannot be read.
    static void run(Database &db, Prompter &prompter, QWidget *parent);

private:
    CompanyDetails typed() const;

    CompanySetup &m_setup;
    QList<QLineEdit *> m_fields;
};
