#include "store/BackupFolder.h"

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/PrivateFiles.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

const QString failureNoteName = u"backup-failed.txt"_s;
// The files SQLite keeps beside a database while it is in use.
const QStringList companionSuffixes = {u"-journal"_s, u"-wal"_s, u"-shm"_s};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Replaces `to` in one step where it exists, so no moment is left without a copy.
bool replaceFile(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    return !error;
}

void checkSound(const QString &file, const QString &day)
{
    try {
        Database copy(file);
        const QString verdict = copy.first(u"pragma quick_check"_s).text(u"quick_check"_s);
        if (verdict != u"ok"_s)
            throw DatabaseError(verdict);
        if (!Schema::isPresent(copy))
            throw DatabaseError(QObject::tr("it holds no Chronel database"));
    } catch (const DatabaseError &error) {
        throw DatabaseError(
            QObject::tr("The copy of %1 cannot be used: %2").arg(day, error.text()));
    }
}

} // namespace

BackupFolder::BackupFolder(const QString &databaseFile)
    : m_database(QFileInfo(databaseFile).absoluteFilePath()),
      m_baseName(QFileInfo(databaseFile).completeBaseName())
{
}

QString BackupFolder::folder() const
{
    return QFileInfo(m_database).absolutePath() + u"/backups"_s;
}

QString BackupFolder::copyPath(const QDate &day) const
{
    return folder() + u'/' + m_baseName + u'-' + day.toString(Qt::ISODate) + u".db"_s;
}

bool BackupFolder::hasCopy(const QDate &day) const
{
    return QFile::exists(copyPath(day));
}

QList<BackupFolder::Copy> BackupFolder::copies() const
{
    const QRegularExpression name(u"^"_s + QRegularExpression::escape(m_baseName) +
                                  u"-(\\d{4}-\\d{2}-\\d{2})\\.db$"_s);
    QList<Copy> found;
    const QDir dir(folder());
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString &file : files) {
        const QRegularExpressionMatch match = name.match(file);
        const QDate day =
            match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
        if (day.isValid())
            found.append({day, dir.filePath(file)});
    }
    std::sort(found.begin(), found.end(),
              [](const Copy &a, const Copy &b) { return a.day > b.day; });
    return found;
}

QString BackupFolder::make(Database &db, const QDate &day) const
{
    const QString dir = folder();
    if (!QDir(dir).exists() && !QDir().mkdir(dir, PrivateFiles::folderMode))
        throw DatabaseError(QObject::tr("the folder %1 cannot be created").arg(shown(dir)));
    const QString target = copyPath(day);
    // Written under another name first: a copy that fails half-way never takes the
    // place of a good one.
    const QString part = target + u".part"_s;
    QFile::remove(part);
    try {
        // One statement that reads a consistent state while other connections write; it
        // cannot run inside a transaction.
        db.exec(u"vacuum into ?"_s, {part});
    } catch (const DatabaseError &) {
        QFile::remove(part);
        throw;
    }
    // The copy holds what the database holds, password hashes included.
    QFile::setPermissions(part, PrivateFiles::fileMode);
    if (!replaceFile(part, target)) {
        QFile::remove(part);
        throw DatabaseError(QObject::tr("%1 cannot be written").arg(shown(target)));
    }
    prune();
    return target;
}

void BackupFolder::prune() const
{
    const QList<Copy> all = copies();
    for (qsizetype i = kept; i < all.size(); ++i)
        QFile::remove(all[i].path);
}

QString BackupFolder::asidePath(const QDateTime &now) const
{
    return QFileInfo(m_database).absolutePath() + u'/' + m_baseName + u"-replaced-"_s +
           now.toString(u"yyyy-MM-dd-HHmmss"_s) + u".db"_s;
}

void BackupFolder::restore(const Copy &copy, const QDateTime &now) const
{
    const QString day = copy.day.toString(Qt::ISODate);
    if (!QFile::exists(copy.path))
        throw DatabaseError(QObject::tr("%1 is not there").arg(shown(copy.path)));
    checkSound(copy.path, day);

    const QString part = m_database + u".restoring"_s;
    QFile::remove(part);
    if (!QFile::copy(copy.path, part)) {
        QFile::remove(part);
        throw DatabaseError(QObject::tr("%1 cannot be written").arg(shown(part)));
    }
    QFile::setPermissions(part, PrivateFiles::fileMode);

    const QString aside = asidePath(now);
    if (QFile::exists(m_database) && !QFile::rename(m_database, aside)) {
        QFile::remove(part);
        throw DatabaseError(QObject::tr("%1 cannot be moved aside").arg(shown(m_database)));
    }
    // A journal left beside the new file would be played into it.
    for (const QString &suffix : companionSuffixes) {
        if (QFile::exists(m_database + suffix))
            QFile::rename(m_database + suffix, aside + suffix);
    }
    if (!QFile::rename(part, m_database)) {
        QFile::remove(part);
        QFile::rename(aside, m_database);
        for (const QString &suffix : companionSuffixes) {
            if (QFile::exists(aside + suffix))
                QFile::rename(aside + suffix, m_database + suffix);
        }
        throw DatabaseError(QObject::tr("%1 cannot be written").arg(shown(m_database)));
    }
}

QString BackupFolder::failureNotePath() const
{
    // Beside the database, not in the folder of copies: that folder may be what failed.
    return QFileInfo(m_database).absolutePath() + u'/' + failureNoteName;
}

void BackupFolder::noteFailure(const QDate &day, const QString &reason) const
{
    QFile note(failureNotePath());
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate, PrivateFiles::fileMode))
        note.write((day.toString(Qt::ISODate) + u'\n' + reason).toUtf8());
}

std::optional<std::pair<QDate, QString>> BackupFolder::takeFailure() const
{
    QFile note(failureNotePath());
    if (!note.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromUtf8(note.readAll());
    note.close();
    note.remove();
    return std::pair{QDate::fromString(text.section(u'\n', 0, 0), Qt::ISODate),
                     text.section(u'\n', 1)};
}
