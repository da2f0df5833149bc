#pragma once

#include "DatabaseLocation.h"

// The location file (path.ini) and its marker (z89ty.kly) in the Chronel home.
// With the marker the file holds the database itself (local mode); without it, the
// shared folder that holds main.db (network mode).
class LocationFile
{
public:
    static const QString fileName;
    static const QString markerName;
    static const QString databaseName;

    explicit LocationFile(const QString &homeFolder);

    // Reads the location; on the first start writes the local default and the marker.
    // Throws DatabaseError when the files cannot be read or written.
    DatabaseLocation resolve() const;

    QString filePath() const;
    QString markerPath() const;
    QString defaultDatabasePath() const;

private:
    QString m_home;
};
