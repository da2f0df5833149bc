#pragma once

#include "store/DatabaseLocation.h"
#include "store/StartupValues.h"

#include <QCoreApplication>
#include <memory>

class Database;
class Prompter;

// What the station does between its splash and its window: find the database, reset
// the supervisor log-in, refuse a database the wizard has not set up, read the
// start-up values.
class StationStartup
{
    Q_DECLARE_TR_FUNCTIONS(StationStartup)

public:
    enum class Outcome
    {
        Ready,
        NotSetUp,
        Failed
    };

    explicit StationStartup(Prompter &prompter);
    ~StationStartup();

    Outcome run();
    static int exitCode(Outcome outcome);

    const DatabaseLocation &location() const { return m_location; }
    const StartupValues &values() const { return m_values; }
    // The program's one connection, open after a Ready run.
    std::unique_ptr<Database> takeDatabase();

private:
    Outcome askForWizard();
    void readValues();

    Prompter &m_prompter;
    DatabaseLocation m_location;
    StartupValues m_values;
    std::unique_ptr<Database> m_db;
};
