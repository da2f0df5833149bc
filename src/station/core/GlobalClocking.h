#pragma once

#include <QCoreApplication>

class Database;
class Prompter;

// Sets the clocking state of every employee at once, without clocking rows: the
// automatic actions at the configured times and the supervisor's forced commands.
class GlobalClocking
{
    Q_DECLARE_TR_FUNCTIONS(GlobalClocking)

public:
    GlobalClocking(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    void logEveryoneIn();
    // Also makes the next day's breaks available again and withdraws every break grant.
    void logEveryoneOutAndResetBreaks();

    // The supervisor's commands: a question, the change, a notice. The caller has
    // passed the access gate.
    void forceLogIn();
    void forceLogOut();

private:
    Database &m_db;
    Prompter &m_prompter;
};
