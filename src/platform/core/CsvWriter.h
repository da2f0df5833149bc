#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Writes comma-separated values as UTF-8, one record per line ending in CR LF. A field
// with a comma, a quote or a line break is quoted, its quotes doubled; every other field
// is written as it is, so an archive gives back exactly what was stored.
class CsvWriter
{
public:
    explicit CsvWriter(QIODevice &device) : m_device(device) {}

    void record(const QStringList &fields);

    // False once a write has failed; errorString() says why.
    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    static QString field(const QString &value);

private:
    QIODevice &m_device;
    QString m_error;
};
