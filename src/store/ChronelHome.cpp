#include "store/ChronelHome.h"

#include "store/DatabaseError.h"
#include "store/PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ChronelHome {

QString path()
{
    const QString home = folder();
    const QDir dir;
    // Made with its final rights, so the location file is never readable by others.
    if (!dir.exists(home) && !(dir.mkpath(QFileInfo(home).absolutePath()) &&
                               (dir.mkdir(home, PrivateFiles::folderMode) || dir.exists(home))))
        throw DatabaseError(QObject::tr("Cannot create the folder %1").arg(home));
    return home;
}

QString folder()
{
    QString folder = qEnvironmentVariable("CHRONEL_HOME");
    if (folder.isEmpty())
        folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/chronel"_s;
    return QDir::cleanPath(folder);
}

QString filePath(const QString &fileName)
{
    return path() + u'/' + fileName;
}

} // namespace ChronelHome
