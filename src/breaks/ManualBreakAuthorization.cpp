#include "ManualBreakAuthorization.h"

#include "BreakGrant.h"
#include "Database.h"
#include "Prompter.h"
#include "ReportedErrors.h"
#include "SupervisorAccounts.h"
#include "Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

std::optional<QString> ManualBreakAuthorization::authorize(const QString &userName,
                                                           const QString &password)
{
    if (userName.isEmpty() || password.isEmpty()) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please check your username or password"), PromptIcon::Error);
        return std::nullopt;
    }
    bool matched = false;
    QString card;
    const bool done = runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        matched = SupervisorAccounts::matchingPassword(m_db, userName, password).has_value();
        if (!matched)
            return;
        card = BreakGrant::lastEmployee(m_db).card;
        BreakGrant::grant(m_db, card);
        transaction.commit();
    });
    if (!done)
        return std::nullopt;
    if (!matched) {
        m_prompter.inform(QObject::tr("Error"), QObject::tr("Username of password is invalid!"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    m_prompter.inform(QObject::tr("Success"), QObject::tr("Authorization Successful"),
                      PromptIcon::Information);
    return card;
}
