#include "platform/core/CsvWriter.h"

#include <QIODevice>

using namespace Qt::StringLiterals;

QString CsvWriter::field(const QString &value)
{
    QString text = value;
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u"\""_s, u"\"\""_s) + u'"';
}

void CsvWriter::record(const QStringList &fields)
{
    if (!ok())
        return;
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &value : fields)
        quoted << field(value);
    const QByteArray line = (quoted.join(u',') + u"\r\n"_s).toUtf8();
    if (m_device.write(line) != line.size())
        m_error = m_device.errorString().isEmpty() ? QStringLiteral("write failed")
                                                   : m_device.errorString();
}
