#pragma once

#include <QDateTime>
#include <QString>

class Database;

// A copy of a table's rows, taken before they are deleted: a CSV file (UTF-8, a header
// row of column names) under the archive folder of the Chronel home, named after the
// table and the moment of the copy.
namespace TableArchive {

// The folder the copies go to. Throws DatabaseError when the Chronel home cannot be made.
QString folder();

// Where the rows of `table` go when copied at `when`.
QString filePath(const QString &table, const QDateTime &when);

// Writes every row of `table` to `path`, whole or not at all. Returns the reason when
// the file cannot be written, empty on success. Throws DatabaseError.
QString write(Database &db, const QString &table, const QString &path);

} // namespace TableArchive
