#pragma once

#include "store/CompanyRecord.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Prompter;

// The work behind each wizard page's button. Each returns true when the page may
// move on; refusals and database errors are shown through the prompter.
class WizardSteps
{
    Q_DECLARE_TR_FUNCTIONS(WizardSteps)

public:
    WizardSteps(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    bool saveCompany(const CompanyDetails &details);
    // A second call replaces the account the first one made: the user went back a page.
    bool addSupervisor(const QString &userName, const QString &password,
                       const QString &confirmation);
    // Marks the database as set up; `progress` receives 25, 50, 75 and 100.
    bool finish(const std::function<void(int)> &progress);

private:
    struct Account
    {
        QString userName;
        QString passwordHash;
    };

    Database &m_db;
    Prompter &m_prompter;
    std::optional<Account> m_added;
};
