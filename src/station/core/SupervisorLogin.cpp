#include "station/core/SupervisorLogin.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "station/core/SupervisorSession.h"
#include "store/Database.h"
#include "store/ErrorLog.h"
#include "store/PasswordHash.h"
#include "store/ReportedErrors.h"
#include "store/SupervisorAccounts.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

SupervisorLogin::Result SupervisorLogin::logIn(const QString &userName, const QString &password)
{
    const QString time = m_clock.timeText();
    const QString date = m_clock.dateText();
    if (userName.isEmpty() || password.isEmpty()) {
        m_prompter.inform(tr("Authentication Failed!"),
                          tr("Please check your username and password are correct"),
                          PromptIcon::Error);
        return Result::Refused;
    }

    bool matched = false;
    const bool done = runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        matched = accountMatches(userName, password);
        if (!matched)
            // Only an account's name: a mistyped password is often another account's, and
            // a name that opens no account may be a password typed in the wrong field.
            ErrorLog::add(
                m_db, time, date,
                u"Invalid login ->username: "_s +
                    (TextInput::storable(userName) && SupervisorAccounts::exists(m_db, userName)
                         ? userName
                         : u"(unknown user)"_s),
                u"YES"_s);
        transaction.commit();
    });
    if (!done)
        return Result::Failed;
    if (matched) {
        m_session.logIn(m_clock.now(), userName);
        m_prompter.inform(tr("Success"), tr("Log-in Successful!"), PromptIcon::Information);
        return Result::LoggedIn;
    }
    m_prompter.inform(tr("Error!"), tr("Invalid username or password!"), PromptIcon::Error);
    return Result::Refused;
}

bool SupervisorLogin::accountMatches(const QString &userName, const QString &password)
{
    const std::optional<QString> stored =
        SupervisorAccounts::matchingPassword(m_db, userName, password);
    if (!stored)
        return false;
    // An account from before passwords were hashed is hashed on its first use.
    if (!PasswordHash::isHash(*stored))
        SupervisorAccounts::setPassword(m_db, userName, *stored, PasswordHash::hash(password));
    return true;
}

void SupervisorLogin::logOut()
{
    if (m_prompter.ask(tr("Log-out"), tr("Really log-out?")))
        m_session.logOut();
}
