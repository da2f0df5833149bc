#include "LocationFile.h"

#include "DatabaseError.h"

#include <QFile>
#include <QObject>

using namespace Qt::StringLiterals;

const QString LocationFile::fileName = u"path.ini"_s;
const QString LocationFile::markerName = u"z89ty.kly"_s;
const QString LocationFile::databaseName = u"main.db"_s;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush())
        throw DatabaseError(QObject::tr("Cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace

LocationFile::LocationFile(const QString &homeFolder) : m_home(homeFolder) {}

QString LocationFile::filePath() const
{
    return m_home + u'/' + fileName;
}

QString LocationFile::markerPath() const
{
    return m_home + u'/' + markerName;
}

QString LocationFile::defaultDatabasePath() const
{
    return m_home + u'/' + databaseName;
}

DatabaseLocation LocationFile::resolve() const
{
    QFile file(filePath());
    if (!file.exists()) {
        const QString path = defaultDatabasePath();
        writeFile(filePath(), path.toUtf8());
        writeFile(markerPath(), {});
        return {path, true};
    }
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QObject::tr("Cannot read %1: %2").arg(filePath(), file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    // A hand-edited file often ends with a line end; it is no part of the path.
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);

    // A database server is shared by nature, whatever the marker says.
    if (DatabaseLocation::isServerUri(text))
        return {text, false};
    if (QFile::exists(markerPath()))
        return {text, true};
    return {text + u'/' + databaseName, false};
}
