#include "breaks/core/BreakRequestList.h"

#include "platform/core/Clock.h"

#include <algorithm>

using namespace Qt::StringLiterals;

int BreakRequestList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant BreakRequestList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry &entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString(Clock::timeText(entry.at.time()) + u"  "_s + entry.request);
    return {};
}

void BreakRequestList::add(const QString &request, const QDateTime &at)
{
    const auto repeated = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.request == request && e.at.secsTo(at) < repeatSeconds;
    });
    if (repeated != m_entries.end()) {
        const int row = int(repeated - m_entries.begin());
        if (row > 0) {
            beginMoveRows({}, row, row, {}, 0);
            m_entries.move(row, 0);
            endMoveRows();
        }
        m_entries.first().at = at;
        Q_EMIT dataChanged(index(0), index(0));
        return;
    }
    beginInsertRows({}, 0, 0);
    m_entries.prepend({request, at});
    endInsertRows();
    if (m_entries.size() > capacity) {
        beginRemoveRows({}, capacity, int(m_entries.size()) - 1);
        m_entries.resize(capacity);
        endRemoveRows();
    }
}
