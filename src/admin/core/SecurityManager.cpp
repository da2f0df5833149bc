#include "admin/core/SecurityManager.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/PasswordHash.h"
#include "store/ReportedErrors.h"
#include "store/SupervisorAccounts.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

QStringList SecurityManager::userNames()
{
    const QStringList names = NameList::users(m_db);
    if (names.isEmpty())
        m_prompter.inform(tr("Error"),
                          tr("No users were found!Please add a user before continuing"),
                          PromptIcon::Error);
    return names;
}

SecurityManager::Outcome SecurityManager::add(const Account &typed)
{
    if (!checked(typed))
        return Outcome::Refused;
    if (!writeReported(m_prompter, m_db, [&] {
            SupervisorAccounts::add(m_db, typed.userName.trimmed(),
                                    PasswordHash::hash(typed.confirmation));
            AuditTrail::note(m_db, AuditTrail::Kind::AccountAdded, {}, typed.userName.trimmed());
        }))
        return Outcome::Failed;
    m_prompter.inform(tr("Success!"), tr("User Inserted"), PromptIcon::Information);
    return Outcome::Done;
}

SecurityManager::Outcome SecurityManager::update(const QString &chosen, const Account &typed)
{
    if (!checked(typed))
        return Outcome::Refused;
    if (chosen.isEmpty()) {
        refuse(tr("Error"), tr("Please select a user to update"));
        return Outcome::Refused;
    }
    int changed = 0;
    if (!writeReported(m_prompter, m_db, [&] {
            changed = SupervisorAccounts::replaceAll(m_db, chosen, typed.userName.trimmed(),
                                                     PasswordHash::hash(typed.confirmation));
            // The password changes too; what it is, or its hash, is never recorded.
            if (changed > 0)
                AuditTrail::note(m_db, AuditTrail::Kind::AccountChanged, chosen,
                                 tr("%1, new password").arg(typed.userName.trimmed()));
        }))
        return Outcome::Failed;
    if (changed == 0) {
        refuse(tr("Error"), tr("The user %1 no longer exists. Please choose again.").arg(chosen));
        return Outcome::UserGone;
    }
    m_prompter.inform(tr("Success!"), tr("User Updated"), PromptIcon::Information);
    return Outcome::Done;
}

SecurityManager::Outcome SecurityManager::remove(const QString &typedName)
{
    const QString userName = typedName.trimmed();
    if (userName.isEmpty()) {
        refuse(tr("Error"), tr("Please select and employee to delete"));
        return Outcome::Refused;
    }
    if (TextInput::refused(m_prompter, {{tr("user name"), userName}}))
        return Outcome::Refused;
    // A hash cannot be shown in the password fields, so the user confirms instead.
    if (!m_prompter.ask(tr("Confirm"), tr("Delete user %1?").arg(userName)))
        return Outcome::Refused;
    enum class Check
    {
        Removed,
        NoSuchUser,
        LastAccount
    } check = Check::NoSuchUser;
    if (!runReported(m_prompter, [&] {
            Transaction transaction(m_db);
            // Two stations could otherwise each delete one of the last two accounts.
            SupervisorAccounts::lockForChange(m_db);
            const QStringList passwords = SupervisorAccounts::passwordsOf(m_db, userName);
            if (passwords.isEmpty())
                return;
            // Accounts of one name look alike in the list: one Delete removes one of them.
            SupervisorAccounts::remove(m_db, userName, passwords.first());
            // Without an account no supervisor could ever log in again.
            if (!SupervisorAccounts::any(m_db)) {
                check = Check::LastAccount;
                return;
            }
            AuditTrail::note(m_db, AuditTrail::Kind::AccountDeleted, userName, {});
            transaction.commit();
            check = Check::Removed;
        }))
        return Outcome::Failed;
    if (check == Check::NoSuchUser) {
        refuse(tr("Error"), tr("There is no user %1. No user was deleted.").arg(userName));
        return Outcome::UserGone;
    }
    if (check == Check::LastAccount) {
        refuse(tr("Error"), tr("The last user cannot be deleted. Please add another user first."));
        return Outcome::Refused;
    }
    m_prompter.inform(tr("Success!"), tr("User Deleted"), PromptIcon::Information);
    return Outcome::Done;
}

bool SecurityManager::checked(const Account &typed)
{
    // Passwords are kept exactly as typed, blanks included: only their hash is stored.
    if (TextInput::problem(typed.userName) == TextInput::Problem::Empty ||
        typed.password.isEmpty() || typed.confirmation.isEmpty()) {
        refuse(tr("Error"), tr("Please make sure values have been entered"));
        return false;
    }
    if (TextInput::refused(m_prompter, {{tr("user name"), typed.userName}}))
        return false;
    if (typed.password != typed.confirmation) {
        refuse(tr("Error!"), tr("Please check that passwords match"));
        return false;
    }
    return true;
}

void SecurityManager::refuse(const QString &caption, const QString &text)
{
    m_prompter.inform(caption, text, PromptIcon::Error);
}
