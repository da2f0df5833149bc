#include "admin/core/SecurityManager.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/PasswordHash.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList SecurityManager::userNames()
{
    const QStringList names = NameList::users(m_db);
    if (names.isEmpty())
        m_prompter.inform(QObject::tr("Error"),
                          QObject::tr("No users were found!Please add a user before continuing"),
                          PromptIcon::Error);
    return names;
}

SecurityManager::Outcome SecurityManager::add(const Account &typed)
{
    if (!checked(typed))
        return Outcome::Refused;
    if (!runReported(m_prompter, [&] {
            m_db.exec(u"insert into users (username,password) values (?,?)"_s,
                      {typed.userName.trimmed(), PasswordHash::hash(typed.confirmation)});
        }))
        return Outcome::Failed;
    m_prompter.inform(QObject::tr("Success!"), QObject::tr("User Inserted"),
                      PromptIcon::Information);
    return Outcome::Done;
}

SecurityManager::Outcome SecurityManager::update(const QString &chosen, const Account &typed)
{
    if (!checked(typed))
        return Outcome::Refused;
    if (chosen.isEmpty()) {
        refuse(QObject::tr("Error"), QObject::tr("Please select a user to update"));
        return Outcome::Refused;
    }
    int changed = 0;
    if (!runReported(m_prompter, [&] {
            changed = m_db.exec(
                u"update users set username = ?,password = ? where username = ?"_s,
                {typed.userName.trimmed(), PasswordHash::hash(typed.confirmation), chosen});
        }))
        return Outcome::Failed;
    if (changed == 0) {
        refuse(QObject::tr("Error"),
               QObject::tr("The user %1 no longer exists. Please choose again.").arg(chosen));
        return Outcome::UserGone;
    }
    m_prompter.inform(QObject::tr("Success!"), QObject::tr("User Updated"),
                      PromptIcon::Information);
    return Outcome::Done;
}

SecurityManager::Outcome SecurityManager::remove(const QString &typedName)
{
    const QString userName = typedName.trimmed();
    if (userName.isEmpty()) {
        refuse(QObject::tr("Error"), QObject::tr("Please select and employee to delete"));
        return Outcome::Refused;
    }
    if (TextInput::refused(m_prompter, {{QObject::tr("user name"), userName}}))
        return Outcome::Refused;
    // A hash cannot be shown in the password fields, so the user confirms instead.
    if (!m_prompter.ask(QObject::tr("Confirm"), QObject::tr("Delete user %1?").arg(userName)))
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
            transaction.lockTable(u"users"_s);
            const QList<SqlRow> accounts = m_db.select(
                u"select password from users where username = ? order by password"_s, {userName});
            if (accounts.isEmpty())
                return;
            // Accounts of one name look alike in the list: one Delete removes one of them.
            m_db.exec(u"delete from users where username = ? and password = ?"_s,
                      {userName, accounts.first()[u"password"_s]});
            // Without an account no supervisor could ever log in again.
            if (m_db.select(u"select username from users"_s).isEmpty()) {
                check = Check::LastAccount;
                return;
            }
            transaction.commit();
            check = Check::Removed;
        }))
        return Outcome::Failed;
    if (check == Check::NoSuchUser) {
        refuse(QObject::tr("Error"),
               QObject::tr("There is no user %1. No user was deleted.").arg(userName));
        return Outcome::UserGone;
    }
    if (check == Check::LastAccount) {
        refuse(QObject::tr("Error"),
               QObject::tr("The last user cannot be deleted. Please add another user first."));
        return Outcome::Refused;
    }
    m_prompter.inform(QObject::tr("Success!"), QObject::tr("User Deleted"),
                      PromptIcon::Information);
    return Outcome::Done;
}

bool SecurityManager::checked(const Account &typed)
{
    // Passwords are kept exactly as typed, blanks included: only their hash is stored.
    if (TextInput::problem(typed.userName) == TextInput::Problem::Empty ||
        typed.password.isEmpty() || typed.confirmation.isEmpty()) {
        refuse(QObject::tr("Error"), QObject::tr("Please make sure values have been entered"));
        return false;
    }
    if (TextInput::refused(m_prompter, {{QObject::tr("user name"), typed.userName}}))
        return false;
    if (typed.password != typed.confirmation) {
        refuse(QObject::tr("Error!"), QObject::tr("Please check that passwords match"));
        return false;
    }
    return true;
}

void SecurityManager::refuse(const QString &caption, const QString &text)
{
    m_prompter.inform(caption, text, PromptIcon::Error);
}
