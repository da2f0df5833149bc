#include "QuietWarnings.h"
#include "reports/core/ReportPage.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

class TestReportPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Every fragment of the page, byte for byte with its CR LF, in the order written.
    void fragmentsAreExact();
    // Values are escaped, fixed fragments are not; non-ASCII letters arrive as UTF-8.
    void valuesAreEscaped_data();
    void valuesAreEscaped();
    // A device that refuses a write is reported, and nothing is written after it.
    void failedWriteIsKept();
};

void TestReportPage::fragmentsAreExact()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPage page(buffer);
    page.open(u"::Daily Report for 03/14/26::"_s, u"Daily Report for the 03/14/26"_s);
    page.company(ReportPage::CompanyLine::EmployeesOf, u"Acme"_s);
    page.company(ReportPage::CompanyLine::WorksFor, u"Acme"_s);
    page.periodLine(u"01/01/26"_s, u"01/31/26"_s);
    page.rule();
    page.sectionHeading(u"Log-in's"_s);
    page.tableHead(
        445, {u"\r\n<th width=115 scope=col>Date</th>"_s, u"<th width=103 scope=col>Time </th>"_s});
    page.row({u"03/14/26"_s, u"08:00:00"_s});
    page.row({u"Ann"_s}, ReportPage::RowEnd::Open);
    page.tableOpen(900);
    page.markup(u"<th width=95 scope=col>Date</th>"_s);
    page.tableClose();
    page.bodyClose();

    QVERIFY(page.ok());
    QCOMPARE(buffer.data(),
             "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>::Daily Report for "
             "03/14/26::</title>\r\n</head>\r\n<body>\r\n<div align = center><strong><h2>Daily "
             "Report for the 03/14/26</h2></strong></div>\r\n<p align=center><img "
             "src=chronel/wi0122-48.gif width=48 height=48></p>"
             "\r\n<p align=left><strong><i>For the employees of : Acme</i></strong></p>"
             "\r\n<p align=left><strong><i>Who works for: Acme</i></strong></p>"
             "\r\n<p align=left><strong><i>For the period 01/01/26 to 01/31/26</i></strong></p>"
             "\r\n<hr>"
             "\r\n<p><strong>:: Log-in's ::</strong></p>"
             "\r\n<table width=445 border=1>\r\n<tr>\r\n<th width=115 scope=col>Date</th>"
             "<th width=103 scope=col>Time </th>\r\n</tr>"
             "\r\n<tr>\r\n<td>03/14/26</td>\r\n<td>08:00:00</td>\r\n</tr>"
             "\r\n<tr>\r\n<td>Ann</td>"
             "\r\n<table width=900 border=1><th width=95 scope=col>Date</th>"
             "\r\n</table>\r\n</body>");
}

void TestReportPage::valuesAreEscaped_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("markup") << u"<b>Ann</b>"_s << QByteArray("&lt;b&gt;Ann&lt;/b&gt;");
    QTest::newRow("ampersand") << u"Smith & Sons"_s << QByteArray("Smith &amp; Sons");
    QTest::newRow("double quote") << u"\"Al\""_s << QByteArray("&quot;Al&quot;");
    QTest::newRow("apostrophe") << u"O'Brien"_s << QByteArray("O'Brien");
    QTest::newRow("non-ASCII") << u"Zoë Ångström"_s
                               << QByteArray("Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m");
    QTest::newRow("script") << u"<script>alert('x')</script>"_s
                            << QByteArray("&lt;script&gt;alert('x')&lt;/script&gt;");
    QTest::newRow("emoji and right-to-left")
        << u"\U0001F44D \u05e9\u05dc\u05d5\u05dd\u200f"_s
        << QByteArray("\xf0\x9f\x91\x8d \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d\xe2\x80\x8f");
}

void TestReportPage::valuesAreEscaped()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPage page(buffer);
    page.row({value});
    page.company(ReportPage::CompanyLine::WorksFor, value);
    page.periodLine(value, value);

    QCOMPARE(buffer.data(), "\r\n<tr>\r\n<td>" + written + "</td>\r\n</tr>" +
                                "\r\n<p align=left><strong><i>Who works for: " + written +
                                "</i></strong></p>\r\n<p align=left><strong><i>For the period " +
                                written + " to " + written + "</i></strong></p>");
}

void TestReportPage::failedWriteIsKept()
{
    QByteArray data("kept");
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ReportPage page(buffer);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    page.open(u"t"_s, u"h"_s);
    page.rule();

    QVERIFY(!page.ok());
    QVERIFY(!page.errorString().isEmpty());
    QCOMPARE(data, QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestReportPage)
#include "tst_reportpage.moc"
