#include "wizard/core/WizardSteps.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool WizardSteps::saveCompany(const CompanyDetails &details)
{
    if (!details.complete()) {
        m_prompter.inform(QObject::tr("Error"), QObject::tr("Please check values"),
                          PromptIcon::Error);
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
        m_prompter.inform(QObject::tr("Error!"), QObject::tr("Please check values!"),
                          PromptIcon::Error);
        return false;
    }
    if (TextInput::refused(m_prompter, {{QObject::tr("user name"), userName}}))
        return false;
    if (password != confirmation) {
        m_prompter.inform(QObject::tr("Error!"), QObject::tr("Please check your passwords match"),
                          PromptIcon::Error);
        return false;
    }
    const Account account{userName.trimmed(), PasswordHash::hash(password)};
    return runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        if (!m_added || m_db.exec(u"update users set username = ?,password = ? "
                                  "where username = ? and password = ?"_s,
                                  {account.userName, account.passwordHash, m_added->userName,
                                   m_added->passwordHash}) == 0)
            m_db.exec(u"insert into users (username,password) values(?,?)"_s,
                      {account.userName, account.passwordHash});
        transaction.commit();
        m_added = account;
    });
}

bool WizardSteps::finish(const std::function<void(int)> &progress)
{
    progress(25);
    const bool saved = runReported(m_prompter, [&] { m_db.exec(u"update run set first = '0'"_s); });
    if (!saved)
        return false;
    progress(50);
    progress(75);
    progress(100);
    m_prompter.inform(QObject::tr("Success"), QObject::tr("Settings saved.You can now run Chronel"),
                      PromptIcon::Information);
    return true;
}
