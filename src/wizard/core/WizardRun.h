#pragma once

#include <QString>
#include <memory>

class Database;

// The database of one wizard run. A database file the run made is removed again when
// the run ends before "Finish", so a wizard closed early leaves no half-made database
// behind.
class WizardRun
{
public:
    // Opens the station's database, making it when missing. Throws DatabaseError.
    WizardRun();
    ~WizardRun();
    WizardRun(const WizardRun &) = delete;
    WizardRun &operator=(const WizardRun &) = delete;

    Database &database() { return *m_db; }
    // The run reached its end: what it made stays.
    void finish() { m_finished = true; }

private:
    std::unique_ptr<Database> m_db;
    QString m_madeFile;
    bool m_finished = false;
};
