#pragma once

#include "store/DatabaseLocation.h"

#include <optional>

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

    // The database a station uses in network mode: main.db in `folder`, or the server
    // when `folder` is a URI.
    static QString networkDatabase(const QString &folder);

    // Reads the location; where none is set up yet (the first start, or an empty file
    // beside the marker) writes the local default and the marker. Throws DatabaseError
    // when the files cannot be read or written.
    DatabaseLocation resolve() const;
    // The location resolve() gives, without writing anything. Throws DatabaseError when
    // the location file cannot be read.
    DatabaseLocation read() const;

    // Local mode from the next start on: the marker is created and the location file
    // removed, so the next start writes the default. Throws DatabaseError; on failure the
    // files are as they were.
    void writeLocal() const;
    // Network mode from the next start on: the location file holds `folder` (or a server
    // URI) and the marker is removed. Throws DatabaseError; on failure the files are as
    // they were.
    void writeNetwork(const QString &folder) const;

    QString filePath() const;
    QString markerPath() const;
    QString defaultDatabasePath() const;

private:
    // The location file's text without its line ends; nothing when no location is set up.
    std::optional<QString> storedText() const;
    DatabaseLocation locationOf(const std::optional<QString> &text) const;

    QString m_home;
};
