#include "wizard/core/WizardSteps.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/ReportedErrors.h"
#include "store/RunFlags.h"
#include "store/SupervisorAccounts.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

bool WizardSteps::saveCompany(const CompanyDetails &details)
{
    if (!details.complete()) {
        m_prompter.inform(tr("Error"), tr("Please check values"), PromptIcon::Error);
        return false;
    }
    if (TextInput::refused(m_prompter, details.fields()))
        return false;
    return runReported(m_prompter, [&] { CompanyRecord::save(m_db, details); });
}

bool WizardSteps::addSupervisor(const QString &userName, const QString &password,
                                const QString &confirmation)
{
    if (TextInput::problem(userName) == TextInput::Problem::Empty || password.isEmpty() ||
        confirmation.isEmpty()) {
        m_prompter.inform(tr("Error!"), tr("Please check values!"), PromptIcon::Error);
        return false;
    }
    if (TextInput::refused(m_prompter, {{tr("user name"), userName}}))
        return false;
    if (password != confirmation) {
        m_prompter.inform(tr("Error!"), tr("Please check your passwords match"), PromptIcon::Error);
        return false;
    }
    const Account account{userName.trimmed(), PasswordHash::hash(password)};
    return runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        if (!m_added || !SupervisorAccounts::replace(m_db, m_added->userName, m_added->passwordHash,
                                                     account.userName, account.passwordHash))
            SupervisorAccounts::add(m_db, account.userName, account.passwordHash);
        transaction.commit();
        m_added = account;
    });
}

bool WizardSteps::finish(const std::function<void(int)> &progress)
{
    progress(25);
    const bool saved = runReported(m_prompter, [&] { RunFlags::markWizardDone(m_db); });
    if (!saved)
        return false;
    progress(50);
    progress(75);
    progress(100);
    m_prompter.inform(tr("Success"), tr("Settings saved.You can now run Chronel"),
                      PromptIcon::Information);
    return true;
}
