#pragma once

#include <QList>
#include <QString>

// The one table the bench prints: each figure, the reference measured beside it, their
// ratio and the target.
class BenchTable
{
public:
    struct Row
    {
        QString figure;
        QString measured;
        QString reference;
        QString ratio;
        QString target;
    };

    void add(const Row &row) { m_rows << row; }
    void note(const QString &text) { m_notes << text; }
    QString text() const;

    static QString ms(double value);
    static QString ratio(double value);

private:
    QList<Row> m_rows;
    QList<QString> m_notes;
};
