#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Database;
class Prompter;

// How many breaks an employee may take a day and what they are called, kept in the one
// row of `breaksettings`. The station reads them at its start, so a change takes effect
// after a restart.
class BreakOptions
{
    Q_DECLARE_TR_FUNCTIONS(BreakOptions)

public:
    BreakOptions(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // The counts a supervisor can choose from.
    static const QStringList &counts();

    // The stored names of breaks 1, 2 and 3. Throws DatabaseError.
    QStringList names();

    // Stores `count` with the names of that many breaks, without surrounding blanks, or
    // nothing when the count or a name is missing or refused by TextInput; later breaks
    // keep their names. Tells the user the outcome and returns true when stored.
    bool apply(const QString &count, const QStringList &names);

private:
    bool refused(int count, const QStringList &names);
    void store(int count, const QStringList &names);

    Database &m_db;
    Prompter &m_prompter;
};
