#pragma once

#include "store/DatabaseLocation.h"
#include "store/StartupValues.h"

#include <QCoreApplication>
#include <memory>
#include <optional>

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

    // This run uses `location` (a database file, a shared folder or a server URI) instead
    // of what the location file says; the location file is then neither read nor written.
    void useLocation(const QString &location);

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
    std::optional<DatabaseLocation> m_givenLocation;
    StartupValues m_values;
    std::unique_ptr<Database> m_db;
};
