#pragma once

#include <QString>
#include <QtGlobal>

class QDateTime;

// Chronel's log: one time-stamped line per Qt message, appended to a file that is moved
// aside when full (chronel.log.1, .2, ... the oldest dropped), so that a station left
// running for years cannot fill its disk.
class LogFile
{
public:
    static const QString fileName;
    static constexpr qint64 defaultMaxSize = 1024 * 1024;
    static constexpr int defaultKeptFiles = 3;

    // `keptFiles` full files are kept beside the one being written.
    explicit LogFile(const QString &path, qint64 maxSize = defaultMaxSize,
                     int keptFiles = defaultKeptFiles);

    // Appends `line` and a line end. A line that would take the file past its size
    // starts a new file. False when the file cannot be written.
    bool write(const QString &line);

    // A message as the log shows it: time stamp, kind, category and the text with its
    // passwords masked.
    static QString line(const QDateTime &time, QtMsgType type, const char *category,
                        const QString &message);
    // `text` with the passwords of database URIs and of password=... items replaced by
    // stars: a driver's error may quote the connection it was given.
    static QString masked(const QString &text);

    // From now on every Qt message goes to the file at `path` as well as where it went
    // before (standard error). Where the file cannot be written, it goes there alone.
    static void install(const QString &path);
    // Messages go only where they went before install() again.
    static void uninstall();

private:
    void rotate() const;

    QString m_path;
    qint64 m_maxSize;
    int m_keptFiles;
};
