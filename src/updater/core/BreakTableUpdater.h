#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <functional>

class Database;
class Prompter;

// Brings a database that predates the break functions up to the level they need. Only
// what is missing is added, all in one transaction, so an update that was cut short is
// completed and a second run changes nothing.
class BreakTableUpdater
{
    Q_DECLARE_TR_FUNCTIONS(BreakTableUpdater)

public:
    enum class Outcome
    {
        Updated,
        UpToDate,   // nothing was missing
        NoDatabase, // no Chronel database where the station looks
        Failed,     // a database error, shown with the driver's text; nothing changed
    };

    // Told how far a run has come, 0 to 100; 0 again once the user has seen the outcome.
    using Progress = std::function<void(int percent)>;

    explicit BreakTableUpdater(Prompter &prompter, Progress progress = {});

    // The tables the break functions need.
    static const QStringList &tableNames();

    // Updates the database the station uses, found the way the station finds it, and
    // tells the user the outcome. A database file that is not there is not made, nor
    // anything else in the Chronel home.
    Outcome updateStationDatabase();
    // Tightens the rights an older version left on the Chronel home; makes nothing.
    static void tightenHome();
    // Updates `db` and tells the user the outcome.
    Outcome update(Database &db);

private:
    bool complete(Database &db);
    void report(int percent) const;
    void refuse(const QString &location);

    Prompter &m_prompter;
    Progress m_progress;
};
