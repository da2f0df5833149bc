#include "reports/core/ReportOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <cstdio>

using namespace Qt::StringLiterals;

const QString ReportOutput::standardOutputName = u"-"_s;

ReportOutput::ReportOutput(const QString &path) : m_path(path), m_file(path) {}

QString ReportOutput::shownName() const
{
    return isStandardOutput() ? QObject::tr("standard output") : QDir::toNativeSeparators(m_path);
}

QString ReportOutput::folder() const
{
    return isStandardOutput() ? QString() : QFileInfo(m_path).absolutePath();
}

bool ReportOutput::open()
{
    // Standard output is no file to replace: the report waits in memory until whole.
    const bool opened = isStandardOutput() ? m_buffer.open(QIODevice::WriteOnly)
                                           : m_file.open(QIODevice::WriteOnly);
    if (!opened)
        m_error = device().errorString();
    return opened;
}

QIODevice &ReportOutput::device()
{
    if (isStandardOutput())
        return m_buffer;
    return m_file;
}

bool ReportOutput::commit()
{
    if (!isStandardOutput()) {
        if (!m_file.commit()) {
            m_error = m_file.errorString();
            return false;
        }
        return true;
    }
    QFile out;
    const QByteArray &bytes = m_buffer.data();
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        m_error = out.errorString();
        return false;
    }
    m_buffer.close();
    return true;
}

void ReportOutput::cancel()
{
    if (isStandardOutput())
        m_buffer.close();
    else
        m_file.cancelWriting();
}
