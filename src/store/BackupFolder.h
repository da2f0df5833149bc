#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class Database;

// The dated copies of a local database, kept in a `backups` folder beside it
// (main-2026-12-10.db for main.db), and the note of a daily copy that failed.
// Errors throw DatabaseError.
class BackupFolder
{
public:
    // How many copies are kept; the oldest beyond go.
    static constexpr int kept = 14;

    struct Copy
    {
        QDate day;
        QString path;
    };

    explicit BackupFolder(const QString &databaseFile);

    QString folder() const;
    QString copyPath(const QDate &day) const;
    bool hasCopy(const QDate &day) const;
    // The copies there are, newest first.
    QList<Copy> copies() const;

    // Copies what `db` (the connection to this folder's database) has committed into the
    // day's copy, replacing an earlier copy of that day, then drops all but the newest
    // `kept`. Returns the copy's path.
    QString make(Database &db, const QDate &day) const;

    // Where restore() at `now` puts the database file it replaces.
    QString asidePath(const QDateTime &now) const;
    // Checks that `copy` is a sound Chronel database, moves the database file to
    // asidePath(now) and puts a duplicate of the copy in its place. On failure the
    // database file is where it was.
    void restore(const Copy &copy, const QDateTime &now) const;

    // The failure is kept beside the database until takeFailure() reads it.
    void noteFailure(const QDate &day, const QString &reason) const;
    // The day and reason of the last noted failure, if any; the note is removed.
    std::optional<std::pair<QDate, QString>> takeFailure() const;

private:
    QString failureNotePath() const;
    void prune() const;

    QString m_database;
    QString m_baseName;
};
