#pragma once

#include <QString>
#include <QStringList>

// One result row, read by column name (in any case) as text; a null column reads as
// empty text.
class SqlRow
{
public:
    // `columns` is shared by the rows of one result.
    SqlRow(QStringList columns, QStringList texts)
        : m_columns(std::move(columns)), m_texts(std::move(texts))
    {
    }

    QString text(const QString &column) const;
    QString operator[](const QString &column) const { return text(column); }

private:
    QStringList m_columns;
    QStringList m_texts;
};
