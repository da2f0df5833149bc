#pragma once

#include <QFile>

struct DatabaseLocation;

// The Chronel home holds the location file, which may carry a database server's
// password, and the local database: both are for their owner's eyes only.
namespace PrivateFiles {

inline constexpr QFile::Permissions folderMode =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
inline constexpr QFile::Permissions fileMode = QFile::ReadOwner | QFile::WriteOwner;

// Tightens what exists of the home at `home`: the folder, the location file, its marker
// and the database in it, and the database `location` names when it is local, with
// their journal files. A shared database is left to the share's rights. Nothing is
// created; what cannot be changed stays as it is.
void tighten(const QString &home, const DatabaseLocation &location);

// Tightens a SQLite database file and the journal files beside it, where they exist.
void tightenDatabase(const QString &file);

} // namespace PrivateFiles
