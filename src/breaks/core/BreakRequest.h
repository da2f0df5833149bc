#pragma once

#include <QCoreApplication>
#include <QString>

class Messenger;
class Prompter;

// "Send Authorization Request": tells the supervisor's computer that the employee at
// the break dialog wants a break. Delivery is not confirmed; the employee waits for the
// grant.
class BreakRequest
{
    Q_DECLARE_TR_FUNCTIONS(BreakRequest)

public:
    BreakRequest(Prompter &prompter, Messenger &messenger, const QString &managerAddress)
        : m_prompter(prompter), m_messenger(messenger), m_address(managerAddress)
    {
    }

    static QString text(const QString &employee, const QString &card);
    // True for a text that text() can have made, with no control characters in it.
    static bool isRequest(const QString &text);

    // Sends the request of `employee` with `card` and tells the employee so.
    void send(const QString &employee, const QString &card);

private:
    Prompter &m_prompter;
    Messenger &m_messenger;
    QString m_address;
};
