#pragma once

#include <QString>

class Database;
class Messenger;
class Prompter;

// "Send Authorization Request": tells the supervisor's computer that the employee who
// entered a card last wants a break. Delivery is not confirmed; the employee waits for
// the grant.
class BreakRequest
{
public:
    BreakRequest(Database &db, Prompter &prompter, Messenger &messenger,
                 const QString &managerAddress)
        : m_db(db), m_prompter(prompter), m_messenger(messenger), m_address(managerAddress)
    {
    }

    static QString text(const QString &employee, const QString &card);
    // True for a text that text() can have made, with no control characters in it.
    static bool isRequest(const QString &text);

    // False when the employee could not be read (the error has been shown) and nothing
    // was sent.
    bool send();

private:
    Database &m_db;
    Prompter &m_prompter;
    Messenger &m_messenger;
    QString m_address;
};
