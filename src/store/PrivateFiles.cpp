#include "store/PrivateFiles.h"

#include "store/DatabaseLocation.h"
#include "store/LocationFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace PrivateFiles {

namespace {

void tightenFile(const QString &path, QFile::Permissions mode)
{
    // A symbolic link is left alone: the change would reach whatever it points to.
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink())
        QFile::setPermissions(path, mode);
}

} // namespace

void tighten(const QString &home, const DatabaseLocation &location)
{
    const LocationFile file(home);
    tightenFile(home, folderMode);
    tightenFile(file.filePath(), fileMode);
    tightenFile(file.markerPath(), fileMode);
    tightenDatabase(file.defaultDatabasePath());
    if (location.localMode && !location.isServer())
        tightenDatabase(location.path);
}

void tightenDatabase(const QString &file)
{
    for (const QString &suffix : {QString(), u"-journal"_s, u"-wal"_s, u"-shm"_s})
        tightenFile(file + suffix, fileMode);
}

} // namespace PrivateFiles
