#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>

// The latest break requests, newest first, one line each with the time it last came.
// Kept short, so that no flood of requests makes it grow.
class BreakRequestList : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int capacity = 50;
    // A request that comes again within this time refreshes its line instead of adding one.
    static constexpr int repeatSeconds = 60;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void add(const QString &request, const QDateTime &at);

private:
    struct Entry
    {
        QString request;
        QDateTime at;
    };

    QList<Entry> m_entries;
};
