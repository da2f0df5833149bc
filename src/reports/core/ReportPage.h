#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QIODevice;

// Writes one report page to a device, fragment by fragment, in the page's own markup.
// A report calls open() with its title and heading, then company() (or periodLine()) and
// rule(), then for each section sectionHeading(), tableHead() and row() per record, and
// the closes its page calls for. Every value is HTML-escaped and written as UTF-8; the
// fixed fragments are written byte for byte. The first failed write is kept: ok() and
// errorString() tell whether the page reached the device whole.
class ReportPage
{
    Q_DECLARE_TR_FUNCTIONS(ReportPage)

public:
    // Which words lead the company line.
    enum class CompanyLine
    {
        EmployeesOf, // "For the employees of : "
        WorksFor,    // "Who works for: "
    };

    // Whether a row ends with its own close; some pages leave rows open.
    enum class RowEnd
    {
        Closed,
        Open,
    };

    explicit ReportPage(QIODevice &device);

    // The frame from "<html>" to the picture paragraph.
    void open(const QString &title, const QString &heading);
    void company(CompanyLine line, const QString &name);
    // The individual report's line in place of the company line.
    void periodLine(const QString &start, const QString &end);
    void rule();

    // `name` is the page's own text, e.g. "Log-in's".
    void sectionHeading(const QString &name);
    // The table opening, then the header cells between a row open and a row close. Each
    // cell is a whole fragment as the page carries it, e.g.
    // "\r\n<th width=115 scope=col>Date</th>".
    void tableHead(int width, const QStringList &headerCells);
    // The table opening alone, for heads written without a row around their cells.
    void tableOpen(int width);
    // Header cells as tableHead() writes them, for heads it cannot write whole.
    void headCells(const QStringList &cells);
    void row(const QStringList &values, RowEnd end = RowEnd::Closed);
    void tableClose();
    void bodyClose();

    // A fixed fragment of the page, written as given (never a value).
    void markup(const QString &fragment);
    // A value from the database or a dialog, escaped.
    void text(const QString &value);

    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    void write(const QString &text);

    QIODevice &m_device;
    QString m_error;
};
