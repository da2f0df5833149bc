#include "reports/core/ReportPage.h"

#include <QIODevice>

using namespace Qt::StringLiterals;

ReportPage::ReportPage(QIODevice &device) : m_device(device) {}

void ReportPage::open(const QString &title, const QString &heading)
{
    markup(u"<html>\r\n<head>"_s);
    // The one addition to the frame: browsers would otherwise guess a legacy code page.
    markup(u"\r\n<meta charset=\"utf-8\">"_s);
    markup(u"\r\n<title>"_s);
    text(title);
    markup(u"</title>\r\n</head>\r\n<body>\r\n<div align = center><strong><h2>"_s);
    text(heading);
    markup(u"</h2></strong></div>"_s);
    markup(u"\r\n<p align=center><img src=chronel/wi0122-48.gif width=48 height=48></p>"_s);
}

void ReportPage::company(CompanyLine line, const QString &name)
{
    markup(line == CompanyLine::EmployeesOf
               ? u"\r\n<p align=left><strong><i>For the employees of : "_s
               : u"\r\n<p align=left><strong><i>Who works for: "_s);
    text(name);
    markup(u"</i></strong></p>"_s);
}

void ReportPage::periodLine(const QString &start, const QString &end)
{
    markup(u"\r\n<p align=left><strong><i>For the period "_s);
    text(start);
    markup(u" to "_s);
    text(end);
    markup(u"</i></strong></p>"_s);
}

void ReportPage::rule()
{
    markup(u"\r\n<hr>"_s);
}

void ReportPage::sectionHeading(const QString &name)
{
    markup(u"\r\n<p><strong>:: "_s + name + u" ::</strong></p>"_s);
}

void ReportPage::tableHead(int width, const QStringList &headerCells)
{
    tableOpen(width);
    markup(u"\r\n<tr>"_s);
    headCells(headerCells);
    markup(u"\r\n</tr>"_s);
}

void ReportPage::tableOpen(int width)
{
    markup(u"\r\n<table width=%1 border=1>"_s.arg(width));
}

void ReportPage::headCells(const QStringList &cells)
{
    for (const QString &cell : cells)
        markup(cell);
}

void ReportPage::row(const QStringList &values, RowEnd end)
{
    markup(u"\r\n<tr>"_s);
    for (const QString &value : values) {
        markup(u"\r\n<td>"_s);
        text(value);
        markup(u"</td>"_s);
    }
    if (end == RowEnd::Closed)
        markup(u"\r\n</tr>"_s);
}

void ReportPage::tableClose()
{
    markup(u"\r\n</table>"_s);
}

void ReportPage::bodyClose()
{
    markup(u"\r\n</body>"_s);
}

void ReportPage::markup(const QString &fragment)
{
    write(fragment);
}

void ReportPage::text(const QString &value)
{
    write(value.toHtmlEscaped());
}

void ReportPage::write(const QString &text)
{
    if (!ok())
        return;
    const QByteArray bytes = text.toUtf8();
    if (m_device.write(bytes) != bytes.size()) {
        m_error = m_device.errorString();
        if (m_error.isEmpty())
            m_error = tr("The report could not be written.");
    }
}
