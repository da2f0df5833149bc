#pragma once

// Table rows as text, to compare what a test left in the database with what it expects.

#include "store/Database.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// The values of every row that `select <columns> from <from>` gives, in column order.
// `from` may go on with a where or order-by clause whose placeholders `values` binds.
inline QList<QStringList> rowValues(Database &db, const QStringList &columns, const QString &from,
                                    const QVariantList &values = {})
{
    QList<QStringList> rows;
    const QString sql = QStringLiteral("select %1 from %2").arg(columns.join(u','), from);
    for (const SqlRow &row : db.select(sql, values)) {
        QStringList fields;
        for (const QString &column : columns)
            fields << row[column];
        rows << fields;
    }
    return rows;
}

// The same rows, each as its values joined by `separator`.
inline QStringList rowsOf(Database &db, const QStringList &columns, const QString &from,
                          QChar separator = u' ', const QVariantList &values = {})
{
    QStringList rows;
    for (const QStringList &fields : rowValues(db, columns, from, values))
        rows << fields.join(separator);
    return rows;
}

// The names of the employees on file in the database at `location`, in order: what a
// copy or a restore of a whole database is seen by.
inline QStringList employeeNames(const QString &location)
{
    Database db(location);
    return rowsOf(db, {QStringLiteral("employee")}, QStringLiteral("employees order by employee"));
}

// For rows whose order the database does not fix.
inline QStringList sorted(QStringList rows)
{
    rows.sort();
    return rows;
}
