#include "store/SqlRow.h"

#include <QtGlobal>

QString SqlRow::text(const QString &column) const
{
    // Names are mostly asked for as the statement spells them.
    if (const qsizetype exact = m_columns.indexOf(column); exact >= 0)
        return m_texts.value(exact);
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return m_texts.value(i);
    }
    qWarning("SqlRow: the result has no column %s", qPrintable(column));
    return {};
}
