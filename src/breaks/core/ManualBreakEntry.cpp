#include "breaks/core/ManualBreakEntry.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList ManualBreakEntry::employeeNames()
{
    const QStringList names = NameList::employees(m_db);
    NameList::anyEmployees(m_prompter, names.size());
    return names;
}

ManualBreakEntry::Outcome ManualBreakEntry::process(const Request &request)
{
    if (!request.employee) {
        m_prompter.inform(QObject::tr("Error"),
                          QObject::tr("Please select an employee before continuing"),
                          PromptIcon::Information);
        return Outcome::Refused;
    }
    if (!request.start.used && !request.end.used)
        return Outcome::Nothing;
    if ((request.start.used && !request.start.time.isComplete()) ||
        (request.end.used && !request.end.time.isComplete())) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please check all time fields are entered correctly!"),
                          PromptIcon::Error);
        return Outcome::Refused;
    }

    Written written = Written::Done;
    if (!runReported(m_prompter, [&] { written = write(*request.employee, request); }))
        return Outcome::Failed;
    switch (written) {
    case Written::EmployeeGone:
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("The employee %1 no longer exists. Please choose again.")
                              .arg(*request.employee),
                          PromptIcon::Error);
        return Outcome::EmployeeGone;
    case Written::NoStart:
        m_prompter.inform(QObject::tr("Error"),
                          QObject::tr("There is no matching break entry to be updated "
                                      "against.Please add a Break start before continuing"),
                          PromptIcon::Error);
        return Outcome::Refused;
    case Written::Done:
        break;
    }
    m_prompter.inform(QObject::tr("Success!"), QObject::tr("Manual entries added successfully!"),
                      PromptIcon::Information);
    return Outcome::Written;
}

ManualBreakEntry::Written ManualBreakEntry::write(const QString &employee, const Request &request)
{
    Q_ASSERT(request.breakNumber >= 1 && request.breakNumber <= 3);
    Transaction transaction(m_db);
    UsedBreaks::lockForChange(m_db);
    // Held until the break is in, so the employee cannot be removed in between.
    const QList<SqlRow> cards =
        m_db.select(u"select cardnum from employees where employee = ? order by id"_s +
                        m_db.dialect().forUpdate(),
                    {employee});
    if (cards.isEmpty())
        return Written::EmployeeGone;
    const QString card = cards.first()[u"cardnum"_s];
    const QString date = Clock::dateText(request.date);
    const QString number = QString::number(request.breakNumber);
    const QString where = u" where dt = ? and name = ? and breaknumber = ?"_s;
    const QList<SqlRow> rows = m_db.select(
        u"select out from breaks"_s + where + m_db.dialect().forUpdate(), {date, card, number});
    const bool exists = !rows.isEmpty();
    const bool closed = exists && rows.first()[u"out"_s] != u"-"_s;
    // Earlier days are history; from today on the station goes on from what is entered.
    const bool current = request.date >= m_clock.now().date();
    const QString start = request.start.time.text();
    const QString end = request.end.time.text();
    const QString insert = u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
                           u"values (?,?,?,?,'-','-',?)"_s;

    if (request.start.used && request.end.used) {
        if (exists)
            m_db.exec(u"update breaks set i = ?, out = ?"_s + where,
                      {start, end, date, card, number});
        else
            m_db.exec(insert, {date, card, start, end, number});
    } else if (request.start.used) {
        if (exists)
            m_db.exec(u"update breaks set i = ?"_s + where, {start, date, card, number});
        else
            m_db.exec(insert, {date, card, start, u"-"_s, number});
    } else {
        if (!exists)
            return Written::NoStart;
        m_db.exec(u"update breaks set out = ?"_s + where, {end, date, card, number});
    }
    // An end entered closes the break; a start alone leaves it running, unless it only
    // corrects the start of a break that has already ended.
    if (current && !(closed && !request.end.used)) {
        // Made as the station makes it, so both roads leave the same state.
        UsedBreaks::statesAddingRow(m_db, card);
        UsedBreaks::setState(m_db, card, request.breakNumber,
                             request.end.used ? UsedBreaks::done : UsedBreaks::running);
    }
    transaction.commit();
    return Written::Done;
}
