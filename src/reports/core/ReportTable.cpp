#include "reports/core/ReportTable.h"

#include "platform/core/CsvWriter.h"
#include "platform/core/Prompter.h"
#include "reports/core/ReportPage.h"

#include <QDir>
#include <QObject>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QStringList ReportTable::headings() const
{
    QStringList headings;
    for (const Column &column : columns)
        headings << column.heading;
    return headings;
}

void ReportTable::writeTo(ReportPage &page) const
{
    QStringList cells;
    int width = 0;
    for (const Column &column : columns) {
        cells << u"\r\n<th width=%1 scope=col>%2</th>"_s.arg(column.width)
                     .arg(column.heading.toHtmlEscaped());
        width += column.width;
    }
    page.tableHead(width, cells);
    for (const QStringList &row : rows)
        page.row(row);
    page.tableClose();
}

bool ReportTable::exportCsv(Prompter &prompter, const QString &path) const
{
    QSaveFile file(path);
    QString failure;
    if (file.open(QIODevice::WriteOnly)) {
        CsvWriter csv(file);
        csv.record(headings());
        for (const QStringList &row : rows)
            csv.record(row);
        if (!csv.ok()) {
            failure = csv.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            failure = file.errorString();
        }
    } else {
        failure = file.errorString();
    }
    if (failure.isEmpty())
        return true;
    prompter.inform(QObject::tr("Error"),
                    QObject::tr("The report could not be exported to %1: %2")
                        .arg(QDir::toNativeSeparators(path), failure),
                    PromptIcon::Error);
    return false;
}
