#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>

// One result row, read by column name as text; a null column reads as empty text.
class SqlRow
{
public:
    explicit SqlRow(QSqlRecord record) : m_record(std::move(record)) {}

    QString text(const QString &column) const
    {
        // A null number would read as "0" from some drivers.
        return m_record.isNull(column) ? QString() : m_record.value(column).toString();
    }
    QString operator[](const QString &column) const { return text(column); }

private:
    QSqlRecord m_record;
};
