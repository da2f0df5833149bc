#include "ChronelHome.h"

#include "DatabaseError.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ChronelHome {

QString path()
{
    QString folder = qEnvironmentVariable("CHRONEL_HOME");
    if (folder.isEmpty())
        folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/chronel"_s;
    if (!QDir().mkpath(folder))
        throw DatabaseError(QObject::tr("Cannot create the folder %1").arg(folder));
    return QDir::cleanPath(folder);
}

QString filePath(const QString &fileName)
{
    return path() + u'/' + fileName;
}

} // namespace ChronelHome
