#include "BenchTable.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString BenchTable::text() const
{
    const Row head{u"figure"_s, u"measured"_s, u"reference"_s, u"ratio"_s, u"target"_s};
    QList<Row> all = {head};
    all += m_rows;
    qsizetype widths[5] = {};
    for (const Row &row : all) {
        const QString cells[5] = {row.figure, row.measured, row.reference, row.ratio, row.target};
        for (int i = 0; i < 5; ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    }
    QString out;
    const auto line = [&](const Row &row) {
        const QString cells[5] = {row.figure, row.measured, row.reference, row.ratio, row.target};
        QStringList padded;
        for (int i = 0; i < 5; ++i)
            padded << (i == 0 ? cells[i].leftJustified(widths[i])
                              : cells[i].rightJustified(widths[i]));
        out += u"| "_s + padded.join(u" | "_s) + u" |\n"_s;
    };
    line(head);
    QStringList rule;
    for (qsizetype width : widths)
        rule << QString(width, u'-');
    out += u"|-"_s + rule.join(u"-|-"_s) + u"-|\n"_s;
    for (const Row &row : m_rows)
        line(row);
    for (const QString &note : m_notes)
        out += u"\n"_s + note;
    return out + u"\n"_s;
}

QString BenchTable::ms(double value)
{
    return u"%1 ms"_s.arg(value, 0, 'f', value < 10 ? 2 : 0);
}

QString BenchTable::ratio(double value)
{
    return u"%1×"_s.arg(value, 0, 'f', 2);
}
