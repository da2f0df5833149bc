#pragma once

#include "StationMenu.h"

class Database;
class Prompter;
struct StartupValues;

// Stands in front of every supervisor command. The log-in flag lives in the database,
// so a log-in at one station opens the menus at every station that shares it.
class AccessGate
{
public:
    AccessGate(Database &db, Prompter &prompter, const StartupValues &values)
        : m_db(db), m_prompter(prompter), m_values(values)
    {
    }

    // True when the command may run; otherwise the reason has been shown.
    bool allows(StationMenu::Access access);
    // True when a supervisor is logged in; throws DatabaseError.
    bool supervisorLoggedIn();

private:
    Database &m_db;
    Prompter &m_prompter;
    const StartupValues &m_values;
};
