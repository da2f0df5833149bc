#include "admin/core/EmployeeManager.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace {

QString described(const EmployeeManager::Employee &employee)
{
    return u"%1 (%2)"_s.arg(employee.name, employee.cardNumber);
}

} // namespace

QStringList EmployeeManager::employeeNames()
{
    const QStringList names = NameList::employees(m_db);
    if (names.isEmpty())
        m_prompter.inform(tr("Error!"), tr("Error,please add an employee before continuing"),
                          PromptIcon::Error);
    return names;
}

EmployeeManager::Outcome EmployeeManager::choose(const QString &name, int occurrence)
{
    QStringList cards;
    if (!runReported(m_prompter, [&] { cards = EmployeeRecords::cardsOf(m_db, name); }))
        return Outcome::Failed;
    if (cards.isEmpty()) // removed at another station since the list was filled
        return tellGone(name);
    m_chosen = Employee{name, cards.at(qBound(0, occurrence, int(cards.size()) - 1))};
    return Outcome::Done;
}

EmployeeManager::Outcome EmployeeManager::add(const Employee &entered)
{
    const std::optional<Employee> checkedEntry = checked(entered);
    if (!checkedEntry)
        return Outcome::Refused;
    const Employee &typed = *checkedEntry;
    const Outcome outcome = transact([&] {
        if (const std::optional<QString> holder = cardHolder(typed.cardNumber, false)) {
            m_cardHolder = *holder;
            return Outcome::Refused;
        }
        EmployeeRecords::add(m_db, typed.name, typed.cardNumber);
        AuditTrail::note(m_db, AuditTrail::Kind::EmployeeAdded, {}, described(typed));
        return Outcome::Done;
    });
    if (outcome == Outcome::Done)
        m_prompter.inform(tr("Success"), tr("Employee Added Successfully!"),
                          PromptIcon::Information);
    return outcome;
}

EmployeeManager::Outcome EmployeeManager::update(const Employee &entered)
{
    const std::optional<Employee> checkedEntry = checked(entered);
    if (!checkedEntry || !chosenOrTold())
        return Outcome::Refused;
    const Employee &typed = *checkedEntry;
    const Employee chosen = *m_chosen;
    const Outcome outcome = transact([&] {
        if (const std::optional<QString> holder = cardHolder(typed.cardNumber, true)) {
            m_cardHolder = *holder;
            return Outcome::Refused;
        }
        if (!EmployeeRecords::change(m_db, chosen.name, chosen.cardNumber, typed.name,
                                     typed.cardNumber))
            return Outcome::EmployeeGone;
        AuditTrail::note(m_db, AuditTrail::Kind::EmployeeChanged, described(chosen),
                         described(typed));
        return Outcome::Done;
    });
    if (outcome == Outcome::EmployeeGone)
        return tellGone(chosen.name);
    if (outcome == Outcome::Done) {
        m_chosen = typed;
        m_prompter.inform(tr("Success"), tr("Employee Updated Successfully!"),
                          PromptIcon::Information);
    }
    return outcome;
}

EmployeeManager::Outcome EmployeeManager::remove(const Employee &typed)
{
    if (!filledIn(typed) || !chosenOrTold())
        return Outcome::Refused;
    const Employee chosen = *m_chosen;
    const Outcome outcome = transact([&] {
        if (!EmployeeRecords::remove(m_db, chosen.name, chosen.cardNumber))
            return Outcome::EmployeeGone;
        AuditTrail::note(m_db, AuditTrail::Kind::EmployeeDeleted, described(chosen), {});
        return Outcome::Done;
    });
    if (outcome == Outcome::EmployeeGone)
        return tellGone(chosen.name);
    if (outcome == Outcome::Done)
        m_prompter.inform(tr("Success"), tr("Employee Deleted Successfully!"),
                          PromptIcon::Information);
    return outcome;
}

bool EmployeeManager::filledIn(const Employee &typed)
{
    if (TextInput::problem(typed.name) != TextInput::Problem::Empty &&
        TextInput::problem(typed.cardNumber) != TextInput::Problem::Empty)
        return true;
    m_prompter.inform(tr("Error!"), tr("Please check both fields are filled in"),
                      PromptIcon::Error);
    return false;
}

std::optional<EmployeeManager::Employee> EmployeeManager::checked(const Employee &typed)
{
    if (!filledIn(typed) || TextInput::refused(m_prompter, {{tr("employee name"), typed.name}}) ||
        TextInput::refusedCardNumber(m_prompter, {tr("clock in number"), typed.cardNumber}))
        return std::nullopt;
    return Employee{typed.name.trimmed(), typed.cardNumber};
}

bool EmployeeManager::chosenOrTold()
{
    if (m_chosen)
        return true;
    m_prompter.inform(tr("Error!"), tr("Please select an employee before continuing"),
                      PromptIcon::Error);
    return false;
}

template <typename Write> EmployeeManager::Outcome EmployeeManager::transact(Write &&write)
{
    Outcome outcome = Outcome::Failed;
    m_cardHolder.clear();
    runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        // Two stations could otherwise both find a card number free and both take it.
        EmployeeRecords::lockForChange(m_db);
        outcome = write();
        if (outcome == Outcome::Done)
            transaction.commit();
    });
    // Told after the rollback, so no message box holds the database.
    if (outcome == Outcome::Refused)
        m_prompter.inform(tr("Error!"),
                          tr("The clock in number is already used by %1. Please "
                             "choose another clock in number.")
                              .arg(m_cardHolder),
                          PromptIcon::Error);
    return outcome;
}

std::optional<QString> EmployeeManager::cardHolder(const QString &cardNumber, bool exceptChosen)
{
    std::optional<std::pair<QString, QString>> except;
    if (exceptChosen)
        except.emplace(m_chosen->name, m_chosen->cardNumber);
    return EmployeeRecords::cardHolder(m_db, cardNumber, except);
}

EmployeeManager::Outcome EmployeeManager::tellGone(const QString &name)
{
    m_chosen.reset();
    m_prompter.inform(tr("Error!"),
                      tr("The employee %1 no longer exists. Please choose again.").arg(name),
                      PromptIcon::Error);
    return Outcome::EmployeeGone;
}
