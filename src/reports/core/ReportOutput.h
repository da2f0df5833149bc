#pragma once

#include <QBuffer>
#include <QSaveFile>
#include <QString>

class QIODevice;

// Where a report goes when a command names the place: a file, replaced only once the
// report is written whole, or standard output ("-"), which gets the bytes only once they
// are all there. Either way a report broken off leaves nothing half-written:
//   ReportOutput output(path);
//   if (!output.open() || !writeReport(output.device()) || !output.commit())
//       ... output.errorString(), nothing changed ...
class ReportOutput
{
public:
    // The name that stands for standard output.
    static const QString standardOutputName;

    explicit ReportOutput(const QString &path);
    ReportOutput(const ReportOutput &) = delete;
    ReportOutput &operator=(const ReportOutput &) = delete;

    bool isStandardOutput() const { return m_path == standardOutputName; }
    // The path, or the words for standard output, as messages name the place.
    QString shownName() const;
    // The folder a file goes to; empty for standard output.
    QString folder() const;

    bool open();
    QIODevice &device();
    // Puts the report in its place; false when that failed and nothing changed.
    bool commit();
    // Forgets what was written; the place stays as it was.
    void cancel();
    QString errorString() const { return m_error; }

private:
    QString m_path;
    QSaveFile m_file;
    QBuffer m_buffer;
    QString m_error;
};
