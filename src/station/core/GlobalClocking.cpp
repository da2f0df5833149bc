#include "station/core/GlobalClocking.h"

#include "platform/core/Prompter.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

#include <QObject>

using namespace Qt::StringLiterals;

void GlobalClocking::logEveryoneIn()
{
    m_db.exec(u"update locked set locked = '1'"_s);
}

void GlobalClocking::logEveryoneOutAndResetBreaks()
{
    Transaction transaction(m_db);
    m_db.exec(u"update locked set locked = '0'"_s);
    UsedBreaks::lockForChange(m_db);
    m_db.exec(u"update usedbreaks set used1 = '0',used2 = '0',used3 = '0'"_s);
    // Grants left over (a dialog never opened, a station switched off) end with the day.
    BreakGrant::withdrawAll(m_db);
    transaction.commit();
}

void GlobalClocking::forceLogIn()
{
    if (!m_prompter.ask(QObject::tr("Confirm"),
                        QObject::tr("This will cause all employees to be logged in.Are you "
                                    "sure?")))
        return;
    if (runReported(m_prompter, [&] { logEveryoneIn(); }))
        m_prompter.inform(QObject::tr("Success!"), QObject::tr("Forced login completed!"),
                          PromptIcon::Information);
}

void GlobalClocking::forceLogOut()
{
    if (!m_prompter.ask(QObject::tr("Confirm"),
                        QObject::tr("This will cause all employees to be logged out.Are you "
                                    "sure?")))
        return;
    if (runReported(m_prompter, [&] { m_db.exec(u"update locked set locked = '0'"_s); }))
        m_prompter.inform(QObject::tr("Success!"), QObject::tr("Forced logout completed!"),
                          PromptIcon::Information);
}
