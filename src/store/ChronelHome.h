#pragma once

#include <QString>

// The folder that holds the location file, its marker, the local database and the report.
namespace ChronelHome {

// $CHRONEL_HOME when set, else the user's data folder; created for its owner only when
// missing. Throws DatabaseError when the folder cannot be created.
QString path();

// The same folder, neither created nor checked.
QString folder();

QString filePath(const QString &fileName);

} // namespace ChronelHome
