#pragma once

#include "store/BackupFolder.h"

#include <QDateTime>
#include <QList>

class Database;
class Prompter;
struct DatabaseLocation;

// "Back Up Now" and "Restore...": a supervisor's copy of the station's local database,
// and putting a copy back in its place.
class BackupAndRestore
{
public:
    BackupAndRestore(Database &db, Prompter &prompter, const DatabaseLocation &location);

    // Copies are made of a database file on this computer only; for any other the
    // reason is shown and false returned.
    bool available();

    // Makes the day's copy, replacing one made earlier that day; shows where it went or
    // why it failed.
    void backUpNow(const QDate &today);

    QList<BackupFolder::Copy> copies() const { return m_folder.copies(); }
    QString folder() const { return m_folder.folder(); }

    // Asks, naming the copy's date, then puts the copy in place of the database, which is
    // kept aside. True when it is done and the station must end, so that its next start
    // opens the copy.
    bool restore(const BackupFolder::Copy &copy, const QDateTime &now);

private:
    Database &m_db;
    Prompter &m_prompter;
    const DatabaseLocation &m_location;
    BackupFolder m_folder;
};
