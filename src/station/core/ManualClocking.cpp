#include "station/core/ManualClocking.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

QStringList ManualClocking::employeeNames()
{
    return NameList::employees(m_db);
}

ManualClocking::Outcome ManualClocking::process(const Request &request)
{
    const QString errorCaption = tr("Error!");
    if (!request.employee) {
        m_prompter.inform(errorCaption, tr("Please select an employee before continuing"),
                          PromptIcon::Error);
        return Outcome::Refused;
    }
    if (!request.logIn.chosen && !request.logOut.chosen) {
        m_prompter.inform(tr("Error"), tr("Please select a Log option"), PromptIcon::Error);
        return Outcome::Refused;
    }

    QList<Row> rows;
    if (request.logIn.chosen)
        rows << Row{ClockingLog::in, &request.logIn};
    if (request.logOut.chosen)
        rows << Row{ClockingLog::out, &request.logOut};
    const bool incomplete = std::any_of(rows.cbegin(), rows.cend(), [](const Row &row) {
        return !row.clocking->time.isComplete();
    });
    if (incomplete) {
        m_prompter.inform(errorCaption,
                          rows.size() == 2 ? tr("Please check time values!")
                                           : tr("Please check your time values!"),
                          PromptIcon::Error);
        return Outcome::Refused;
    }

    const Outcome outcome = write(*request.employee, rows);
    if (outcome != Outcome::Written)
        return outcome;
    QString done;
    if (rows.size() == 2)
        done = tr("Manual Log-in/out Succeded!");
    else if (request.logIn.chosen)
        done = tr("Manual Log-in Succeded!");
    else
        done = tr("Manual Log-out Succeded!");
    m_prompter.inform(tr("Success!"), done, PromptIcon::Information);
    return Outcome::Written;
}

ManualClocking::Outcome ManualClocking::write(const QString &employee, const QList<Row> &rows)
{
    Outcome outcome = Outcome::Failed;
    runReported(m_prompter, [&] {
        // Both rows or neither: a log-in without its log-out would read as still at work.
        Transaction transaction(m_db);
        // Held until the rows are in, so the employee cannot be removed in between.
        const QStringList cards =
            EmployeeRecords::cardsOf(m_db, employee, EmployeeRecords::Read::ForUpdate);
        if (cards.isEmpty()) {
            outcome = Outcome::EmployeeGone;
            return;
        }
        QStringList written;
        for (const Row &row : rows) {
            ClockingLog::add(m_db, row.clocking->date, row.clocking->time.text(), employee,
                             cards.first(), row.type);
            written << u"%1 %2 %3"_s.arg(row.type, row.clocking->date, row.clocking->time.text());
        }
        AuditTrail::note(m_db, AuditTrail::Kind::ManualClocking, {},
                         u"%1 (%2): %3"_s.arg(employee, cards.first(), written.join(u", "_s)));
        transaction.commit();
        outcome = Outcome::Written;
    });
    if (outcome == Outcome::EmployeeGone)
        m_prompter.inform(
            tr("Error!"),
            tr("The employee %1 no longer exists. Please choose again.").arg(employee),
            PromptIcon::Error);
    return outcome;
}
