#include "store/LocationFile.h"

#include "store/DatabaseError.h"
#include "store/PrivateFiles.h"

#include <QFile>
#include <QObject>
#include <QSaveFile>

using namespace Qt::StringLiterals;

const QString LocationFile::fileName = u"path.ini"_s;
const QString LocationFile::markerName = u"z89ty.kly"_s;
const QString LocationFile::databaseName = u"main.db"_s;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    // The location file may hold a server's password: only its owner reads it.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, PrivateFiles::fileMode) ||
        !file.setPermissions(PrivateFiles::fileMode) || file.write(content) != content.size() ||
        !file.flush())
        throw DatabaseError(QObject::tr("Cannot write %1: %2").arg(path, file.errorString()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QObject::tr("Cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

// Writes the whole content or leaves the old file untouched.
void replaceFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(PrivateFiles::fileMode) ||
        file.write(content) != content.size() || !file.commit())
        throw DatabaseError(QObject::tr("Cannot write %1: %2").arg(path, file.errorString()));
}

void removeFile(const QString &path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        throw DatabaseError(QObject::tr("Cannot delete %1: %2").arg(path, file.errorString()));
}

} // namespace

LocationFile::LocationFile(const QString &homeFolder) : m_home(homeFolder) {}

QString LocationFile::networkDatabase(const QString &folder)
{
    return DatabaseLocation::isServerUri(folder) ? folder : folder + u'/' + databaseName;
}

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
    const std::optional<QString> text = storedText();
    if (!text) {
        writeFile(filePath(), defaultDatabasePath().toUtf8());
        writeFile(markerPath(), {});
    }
    return locationOf(text);
}

DatabaseLocation LocationFile::read() const
{
    return locationOf(storedText());
}

std::optional<QString> LocationFile::storedText() const
{
    if (!QFile::exists(filePath()))
        return std::nullopt;
    QString text = QString::fromUtf8(readFile(filePath()));
    // A hand-edited file often ends with a line end; it is no part of the path.
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    // Beside the marker the text is the database file itself; an empty one names none,
    // and SQLite would open a throw-away database in memory for it.
    if (text.trimmed().isEmpty() && QFile::exists(markerPath()))
        return std::nullopt;
    return text;
}

DatabaseLocation LocationFile::locationOf(const std::optional<QString> &text) const
{
    if (!text)
        return {defaultDatabasePath(), true};
    // A database server is shared by nature, whatever the marker says.
    if (!DatabaseLocation::isServerUri(*text) && QFile::exists(markerPath()))
        return {*text, true};
    return {networkDatabase(*text), false};
}

void LocationFile::writeLocal() const
{
    const bool hadMarker = QFile::exists(markerPath());
    writeFile(markerPath(), {});
    try {
        removeFile(filePath());
    } catch (const DatabaseError &) {
        // A marker beside a folder path would name no database at the next start.
        if (!hadMarker)
            QFile::remove(markerPath());
        throw;
    }
}

void LocationFile::writeNetwork(const QString &folder) const
{
    const bool hadFile = QFile::exists(filePath());
    const QByteArray oldContent = hadFile ? readFile(filePath()) : QByteArray();
    replaceFile(filePath(), folder.toUtf8());
    try {
        removeFile(markerPath());
    } catch (const DatabaseError &) {
        // With the marker left, the folder would be taken for the database file itself.
        if (hadFile)
            replaceFile(filePath(), oldContent);
        else
            QFile::remove(filePath());
        throw;
    }
}
