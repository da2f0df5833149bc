#include "breaks/core/RemoteBreakGrant.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList RemoteBreakGrant::employeeNames()
{
    const QStringList names = NameList::employees(m_db);
    NameList::anyEmployees(m_prompter, names.size());
    return names;
}

bool RemoteBreakGrant::choose(const QString &name)
{
    return runReported(m_prompter, [&] {
        const QList<SqlRow> cards =
            m_db.select(u"select cardnum from employees where employee = ? order by id"_s, {name});
        // An employee removed since the list was read cannot be granted.
        m_choice = cards.isEmpty() ? Choice{} : Choice{name, cards.first()[u"cardnum"_s], true};
    });
}

bool RemoteBreakGrant::grant()
{
    if (!m_choice.made) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please select an employee before continuing"),
                          PromptIcon::Error);
        return false;
    }
    if (!m_prompter.ask(QObject::tr("Confirm"), QObject::tr("Proceed with break authorization?"),
                        PromptIcon::Question))
        return false;
    return writeReported(m_prompter, m_db,
                         [&] { BreakGrant::grant(m_db, m_choice.card, m_clock.now().date()); });
}
