#include "breaks/core/ManualBreakEntry.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/BreakRecords.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

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
        m_prompter.inform(tr("Error"), tr("Please select an employee before continuing"),
                          PromptIcon::Information);
        return Outcome::Refused;
    }
    if (!request.start.used && !request.end.used)
        return Outcome::Nothing;
    if ((request.start.used && !request.start.time.isComplete()) ||
        (request.end.used && !request.end.time.isComplete())) {
        m_prompter.inform(tr("Error!"), tr("Please check all time fields are entered correctly!"),
                          PromptIcon::Error);
        return Outcome::Refused;
    }

    Written written = Written::Done;
    if (!runReported(m_prompter, [&] { written = write(*request.employee, request); }))
        return Outcome::Failed;
    switch (written) {
    case Written::EmployeeGone:
        m_prompter.inform(
            tr("Error!"),
            tr("The employee %1 no longer exists. Please choose again.").arg(*request.employee),
            PromptIcon::Error);
        return Outcome::EmployeeGone;
    case Written::NoStart:
        m_prompter.inform(tr("Error"),
                          tr("There is no matching break entry to be updated "
                             "against.Please add a Break start before continuing"),
                          PromptIcon::Error);
        return Outcome::Refused;
    case Written::Done:
        break;
    }
    m_prompter.inform(tr("Success!"), tr("Manual entries added successfully!"),
                      PromptIcon::Information);
    return Outcome::Written;
}

ManualBreakEntry::Written ManualBreakEntry::write(const QString &employee, const Request &request)
{
    Q_ASSERT(request.breakNumber >= 1 && request.breakNumber <= 3);
    Transaction transaction(m_db);
    UsedBreaks::lockForChange(m_db);
    // Held until the break is in, so the employee cannot be removed in between.
    const QStringList cards =
        EmployeeRecords::cardsOf(m_db, employee, EmployeeRecords::Read::ForUpdate);
    if (cards.isEmpty())
        return Written::EmployeeGone;
    const QString &card = cards.first();
    const QString date = Clock::dateText(request.date);
    const int number = request.breakNumber;
    const std::optional<QString> end = BreakRecords::endOf(m_db, date, card, number);
    const std::optional<QString> before = BreakRecords::timesOf(m_db, date, card, number);
    const bool exists = end.has_value();
    const bool closed = exists && *end != BreakRecords::notEnded;
    // Earlier days are history; from today on the station goes on from what is entered.
    const bool current = request.date >= m_clock.now().date();
    const std::optional<QString> start =
        request.start.used ? std::optional(request.start.time.text()) : std::nullopt;
    const std::optional<QString> typedEnd =
        request.end.used ? std::optional(request.end.time.text()) : std::nullopt;

    if (exists)
        BreakRecords::correct(m_db, date, card, number, start, typedEnd);
    else if (start)
        BreakRecords::add(m_db, date, card, number, *start,
                          typedEnd.value_or(BreakRecords::notEnded));
    else
        return Written::NoStart;
    // An end entered closes the break; a start alone leaves it running, unless it only
    // corrects the start of a break that has already ended.
    if (current && !(closed && !request.end.used)) {
        // Made as the station makes it, so both roads leave the same state.
        UsedBreaks::statesAddingRow(m_db, card);
        UsedBreaks::setState(m_db, card, request.breakNumber,
                             request.end.used ? UsedBreaks::done : UsedBreaks::running);
    }
    const QString what = u"%1 (%2) break %3 %4: "_s.arg(employee, card).arg(number).arg(date);
    AuditTrail::note(m_db, AuditTrail::Kind::ManualBreak, before ? what + *before : QString(),
                     what + BreakRecords::timesOf(m_db, date, card, number).value_or(QString()));
    transaction.commit();
    return Written::Done;
}
