#pragma once

#include "store/BackupFolder.h"

#include <QDate>
#include <optional>
#include <utility>

class Database;
class Prompter;

// The station's copy of its local database, made once a day. A copy that fails is
// written to the log and told to the next supervisor who logs in here.
class DailyBackup
{
public:
    // `databaseFile` is the file `db` is connected to.
    DailyBackup(Database &db, const QString &databaseFile) : m_db(db), m_folder(databaseFile) {}

    // Makes the day's copy of `now` unless there is one or it was tried that day already.
    void tick(const QDateTime &now);
    // Shows a failed copy not shown yet, this run's or an earlier run's.
    void reportFailure(Prompter &prompter);

private:
    Database &m_db;
    BackupFolder m_folder;
    QDate m_tried;
    // Kept here too, for when not even the note can be written.
    std::optional<std::pair<QDate, QString>> m_failure;
};
