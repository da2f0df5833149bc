#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class Database;
class Prompter;

// Keeps the employees: a name and a card number each, with a row in `employees` and a
// row in `locked` (the clocked-in state) that are written together.
class EmployeeManager
{
    Q_DECLARE_TR_FUNCTIONS(EmployeeManager)

public:
    struct Employee
    {
        QString name;
        QString cardNumber;
    };

    enum class Outcome
    {
        Done,
        Refused,      // the user was told what is wrong; nothing was written
        EmployeeGone, // the chosen employee was removed since it was chosen
        Failed,       // a database error, shown with the driver's text
    };

    // `chosen` is the employee last chosen in the list. The opener keeps it for the whole
    // run, so that it outlives the dialog.
    EmployeeManager(Database &db, Prompter &prompter, std::optional<Employee> &chosen)
        : m_db(db), m_prompter(prompter), m_chosen(chosen)
    {
    }

    // Every employee name in list order; tells the user when there is none. Throws
    // DatabaseError.
    QStringList employeeNames();

    // Reads the employee behind a list entry and remembers it. Equal names are told
    // apart by `occurrence`: the n-th entry of a name is the n-th employee of that name
    // to be added.
    Outcome choose(const QString &name, int occurrence = 0);

    // The name is stored without surrounding blanks, the card number as typed; a card
    // number with a blank, and text too long or unstorable (TextInput), are refused.
    Outcome add(const Employee &typed);
    // Renames or renumbers the chosen employee, who stays chosen under the new values.
    Outcome update(const Employee &typed);
    // Removes the chosen employee; `typed` only has to be filled in.
    Outcome remove(const Employee &typed);

    const std::optional<Employee> &chosen() const { return m_chosen; }

private:
    // Blanks alone are not filled in.
    bool filledIn(const Employee &typed);
    // The employee as stored: the name without surrounding blanks. None when refused.
    std::optional<Employee> checked(const Employee &typed);
    bool chosenOrTold();
    // Runs `write` in one transaction. It returns the outcome; only Done is committed.
    template <typename Write> Outcome transact(Write &&write);
    // The name of an employee other than the chosen one holding `cardNumber`, if any.
    std::optional<QString> cardHolder(const QString &cardNumber, bool exceptChosen);
    // Forgets the chosen employee and tells the user that `name` is gone.
    Outcome tellGone(const QString &name);

    Database &m_db;
    Prompter &m_prompter;
    std::optional<Employee> &m_chosen;
    // The holder of a refused card number, for the message after the rollback.
    QString m_cardHolder;
};
