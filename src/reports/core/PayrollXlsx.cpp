#include "reports/core/PayrollXlsx.h"

#include "reports/core/Payroll.h"

#include <QFile>
#include <QIODevice>
#include <QObject>
#include <QTemporaryDir>

#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace {

// Spreadsheet day numbers count from 30 December 1899.
double dayNumber(const QDate &date)
{
    return double(QDate(1899, 12, 30).daysTo(date));
}

double dayFraction(int minutes)
{
    return minutes / (24.0 * 60.0);
}

class Sheet
{
public:
    struct Formats
    {
        lxw_format *bold;
        lxw_format *date;
        lxw_format *clock;
        lxw_format *duration;
        lxw_format *hours;
    };

    Sheet(lxw_workbook *book, const char *name, const Formats &formats, const Payroll &payroll)
        : m_sheet(workbook_add_worksheet(book, name)), m_formats(formats)
    {
        text(0, payroll.company, m_formats.bold);
        next();
        text(0, QObject::tr("Period"));
        date(1, payroll.from);
        date(2, payroll.to);
        next();
        text(0, QObject::tr("Made"));
        text(1, payroll.madeAt.toString(u"yyyy-MM-dd HH:mm:ss"_s));
        next();
        next();
        worksheet_set_column(m_sheet, 0, 0, 24, nullptr);
        worksheet_set_column(m_sheet, 1, 12, 12, nullptr);
    }

    void heading(const QStringList &titles)
    {
        for (int column = 0; column < titles.size(); ++column)
            text(column, titles[column], m_formats.bold);
        worksheet_freeze_panes(m_sheet, m_row + 1, 0);
        next();
    }

    void text(int column, const QString &value, lxw_format *format = nullptr)
    {
        worksheet_write_string(m_sheet, m_row, lxw_col_t(column), value.toUtf8().constData(),
                               format);
    }
    void date(int column, const QDate &value)
    {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), dayNumber(value), m_formats.date);
    }
    void clock(int column, const QTime &value)
    {
        if (!value.isNull())
            worksheet_write_number(m_sheet, m_row, lxw_col_t(column),
                                   dayFraction(value.hour() * 60 + value.minute()),
                                   m_formats.clock);
    }
    void duration(int column, int minutes)
    {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), dayFraction(minutes),
                               m_formats.duration);
    }
    void hours(int column, int minutes)
    {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), minutes / 60.0, m_formats.hours);
    }
    void count(int column, int value)
    {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), value, nullptr);
    }
    void next() { ++m_row; }

private:
    lxw_worksheet *m_sheet;
    Formats m_formats;
    lxw_row_t m_row = 0;
};

lxw_format *numberFormat(lxw_workbook *book, const char *pattern)
{
    lxw_format *format = workbook_add_format(book);
    format_set_num_format(format, pattern);
    return format;
}

void writeDetails(Sheet &sheet, const Payroll &payroll)
{
    sheet.heading({QObject::tr("Employee"), QObject::tr("Card"), QObject::tr("Date"),
                   QObject::tr("First IN"), QObject::tr("Last OUT"), QObject::tr("Worked"),
                   QObject::tr("Breaks"), QObject::tr("Paid"), QObject::tr("Paid hours"),
                   QObject::tr("Incomplete")});
    for (const Payroll::Employee &employee : payroll.employees) {
        for (const WorkPeriods::Day &day : employee.days) {
            sheet.text(0, employee.name);
            sheet.text(1, employee.cardNumber);
            sheet.date(2, day.date);
            sheet.clock(3, day.firstIn);
            sheet.clock(4, day.lastOut);
            sheet.duration(5, day.workedMinutes);
            sheet.duration(6, day.breakMinutes);
            sheet.duration(7, day.paidMinutes);
            sheet.hours(8, day.paidMinutes);
            if (day.incomplete)
                sheet.text(9, QObject::tr("yes"));
            sheet.next();
        }
    }
}

void writeTotals(Sheet &sheet, const Payroll &payroll)
{
    sheet.heading({QObject::tr("Employee"), QObject::tr("Card"), QObject::tr("Week from"),
                   QObject::tr("Worked"), QObject::tr("Breaks"), QObject::tr("Paid"),
                   QObject::tr("Paid hours"), QObject::tr("Overtime"),
                   QObject::tr("Overtime hours"), QObject::tr("Incomplete punches")});
    for (const Payroll::Employee &employee : payroll.employees) {
        for (const WorkPeriods::Week &week : employee.weeks) {
            sheet.text(0, employee.name);
            sheet.text(1, employee.cardNumber);
            sheet.date(2, week.monday);
            sheet.duration(5, week.paidMinutes);
            sheet.hours(6, week.paidMinutes);
            sheet.duration(7, week.overtimeMinutes);
            sheet.hours(8, week.overtimeMinutes);
            sheet.next();
        }
        sheet.text(0, employee.name);
        sheet.text(1, employee.cardNumber);
        sheet.text(2, QObject::tr("Total"));
        sheet.duration(3, employee.workedMinutes);
        sheet.duration(4, employee.breakMinutes);
        sheet.duration(5, employee.paidMinutes);
        sheet.hours(6, employee.paidMinutes);
        sheet.duration(7, employee.overtimeMinutes);
        sheet.hours(8, employee.overtimeMinutes);
        sheet.count(9, int(employee.incomplete.size()));
        sheet.next();
    }
}

} // namespace

namespace PayrollXlsx {

bool write(const Payroll &payroll, QIODevice &device, QString *error)
{
    // The library writes files only: the workbook is made beside, then copied.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"payroll.xlsx"_s);
    lxw_workbook *book =
        folder.isValid() ? workbook_new(QFile::encodeName(path).constData()) : nullptr;
    if (!book) {
        if (error)
            *error = QObject::tr("The spreadsheet could not be made in a temporary folder.");
        return false;
    }
    const Sheet::Formats formats{[&] {
                                     lxw_format *bold = workbook_add_format(book);
                                     format_set_bold(bold);
                                     return bold;
                                 }(),
                                 numberFormat(book, "yyyy-mm-dd"), numberFormat(book, "hh:mm"),
                                 numberFormat(book, "[h]:mm"), numberFormat(book, "0.00")};
    Sheet details(book, "Details", formats, payroll);
    writeDetails(details, payroll);
    Sheet totals(book, "Totals", formats, payroll);
    writeTotals(totals, payroll);
    if (const lxw_error failed = workbook_close(book); failed != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(failed));
        return false;
    }
    QFile made(path);
    if (!made.open(QIODevice::ReadOnly)) {
        if (error)
            *error = made.errorString();
        return false;
    }
    const QByteArray bytes = made.readAll();
    if (device.write(bytes) != bytes.size()) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}

} // namespace PayrollXlsx
