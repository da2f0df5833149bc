#include "admin/core/EmployeeManager.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList EmployeeManager::employeeNames()
{
    const QStringList names = NameList::employees(m_db);
    if (names.isEmpty())
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Error,please add an employee before continuing"),
                          PromptIcon::Error);
    return names;
}

EmployeeManager::Outcome EmployeeManager::choose(const QString &name, int occurrence)
{
    QList<SqlRow> rows;
    if (!runReported(m_prompter, [&] {
            rows = m_db.select(
                u"select employee,cardnum from employees where employee = ? order by id"_s, {name});
        }))
        return Outcome::Failed;
    if (rows.isEmpty()) // removed at another station since the list was filled
        return tellGone(name);
    const SqlRow &row = rows.at(qBound(0, occurrence, int(rows.size()) - 1));
    m_chosen = Employee{row[u"employee"_s], row[u"cardnum"_s]};
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
        m_db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s,
                  {typed.name, typed.cardNumber});
        m_db.exec(u"insert into locked (cardnum,locked) values (?,'0')"_s, {typed.cardNumber});
        return Outcome::Done;
    });
    if (outcome == Outcome::Done)
        m_prompter.inform(QObject::tr("Success"), QObject::tr("Employee Added Successfully!"),
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
        // Only the chosen employee: another of the same name keeps name and card.
        if (m_db.exec(u"update employees set employee = ?,cardnum = ? "
                      "where employee = ? and cardnum = ?"_s,
                      {typed.name, typed.cardNumber, chosen.name, chosen.cardNumber}) == 0)
            return Outcome::EmployeeGone;
        // Renumbered, not recreated, so the clocked-in state moves with the card.
        if (m_db.exec(u"update locked set cardnum = ? where cardnum = ?"_s,
                      {typed.cardNumber, chosen.cardNumber}) == 0)
            m_db.exec(u"insert into locked (cardnum,locked) values (?,'0')"_s, {typed.cardNumber});
        return Outcome::Done;
    });
    if (outcome == Outcome::EmployeeGone)
        return tellGone(chosen.name);
    if (outcome == Outcome::Done) {
        m_chosen = typed;
        m_prompter.inform(QObject::tr("Success"), QObject::tr("Employee Updated Successfully!"),
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
        if (m_db.exec(u"delete from employees where employee = ? and cardnum = ?"_s,
                      {chosen.name, chosen.cardNumber}) == 0)
            return Outcome::EmployeeGone;
        m_db.exec(u"delete from locked where cardnum = ?"_s, {chosen.cardNumber});
        return Outcome::Done;
    });
    if (outcome == Outcome::EmployeeGone)
        return tellGone(chosen.name);
    if (outcome == Outcome::Done)
        m_prompter.inform(QObject::tr("Success"), QObject::tr("Employee Deleted Successfully!"),
                          PromptIcon::Information);
    return outcome;
}

bool EmployeeManager::filledIn(const Employee &typed)
{
    if (TextInput::problem(typed.name) != TextInput::Problem::Empty &&
        TextInput::problem(typed.cardNumber) != TextInput::Problem::Empty)
        return true;
    m_prompter.inform(QObject::tr("Error!"), QObject::tr("Please check both fields are filled in"),
                      PromptIcon::Error);
    return false;
}

std::optional<EmployeeManager::Employee> EmployeeManager::checked(const Employee &typed)
{
    if (!filledIn(typed) ||
        TextInput::refused(m_prompter, {{QObject::tr("employee name"), typed.name}}) ||
        TextInput::refusedCardNumber(m_prompter,
                                     {QObject::tr("clock in number"), typed.cardNumber}))
        return std::nullopt;
    return Employee{typed.name.trimmed(), typed.cardNumber};
}

bool EmployeeManager::chosenOrTold()
{
    if (m_chosen)
        return true;
    m_prompter.inform(QObject::tr("Error!"),
                      QObject::tr("Please select an employee before continuing"),
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
        transaction.lockTable(u"employees"_s);
        outcome = write();
        if (outcome == Outcome::Done)
            transaction.commit();
    });
    // Told after the rollback, so no message box holds the database.
    if (outcome == Outcome::Refused)
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("The clock in number is already used by %1. Please "
                                      "choose another clock in number.")
                              .arg(m_cardHolder),
                          PromptIcon::Error);
    return outcome;
}

std::optional<QString> EmployeeManager::cardHolder(const QString &cardNumber, bool exceptChosen)
{
    QString sql = u"select employee from employees where cardnum = ?"_s;
    QVariantList values{cardNumber};
    if (exceptChosen) {
        sql += u" and not (employee = ? and cardnum = ?)"_s;
        values << m_chosen->name << m_chosen->cardNumber;
    }
    const QList<SqlRow> holders = m_db.select(sql + u" order by id"_s, values);
    if (holders.isEmpty())
        return std::nullopt;
    return holders.first()[u"employee"_s];
}

EmployeeManager::Outcome EmployeeManager::tellGone(const QString &name)
{
    m_chosen.reset();
    m_prompter.inform(
        QObject::tr("Error!"),
        QObject::tr("The employee %1 no longer exists. Please choose again.").arg(name),
        PromptIcon::Error);
    return Outcome::EmployeeGone;
}
