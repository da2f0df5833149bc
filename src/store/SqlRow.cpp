#include "store/SqlRow.h"

#include <QtGlobal>

QString SqlRow::text(const QString &column) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return m_texts.value(i);
    }
    qWarning("SqlRow: the result has no column %s", qPrintable(column));
    return {};
}
