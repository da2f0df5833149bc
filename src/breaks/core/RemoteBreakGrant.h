#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Clock;
class Database;
class Prompter;

// "Authorize Break Request": a supervisor grants the break of an employee waiting at
// any station on the database.
class RemoteBreakGrant
{
    Q_DECLARE_TR_FUNCTIONS(RemoteBreakGrant)

public:
    // The employee chosen last; kept for the whole run, so the dialog can be reopened to
    // grant the same employee again.
    struct Choice
    {
        QString name;
        QString card;
        bool made = false;
    };

    RemoteBreakGrant(Database &db, Prompter &prompter, const Clock &clock, Choice &choice)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_choice(choice)
    {
    }

    // Every employee name in the order the list shows them; an empty list has been
    // reported. Throws DatabaseError.
    QStringList employeeNames();

    // Makes `name` the chosen employee. False when its card could not be read (shown).
    bool choose(const QString &name);
    const Choice &choice() const { return m_choice; }

    // Asks, then grants the chosen employee for today, beside the grants of others. True
    // when the grant was written; with nobody chosen the supervisor is told to choose.
    bool grant();

private:
    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    Choice &m_choice;
};
