#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Prompter;
class ReportPage;

// A report that is one table, written to the report page or exported as CSV alike.
struct ReportTable
{
    struct Column
    {
        QString heading;
        int width = 0; // on the page
    };

    QList<Column> columns;
    QList<QStringList> rows;

    QStringList headings() const;

    // The table on the page, closed.
    void writeTo(ReportPage &page) const;

    // Writes the headings and rows to `path` as CSV, whole or not at all. A file that
    // cannot be written is shown with caption "Error"; true when it was written.
    bool exportCsv(Prompter &prompter, const QString &path) const;
};
