#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/IndividualReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";

// One employee's clockings (card 200) around a year end, entered out of order, a
// colleague's, a namesake's (card 201), and rows of other years.
void seed(ReportFixture &fx)
{
    fx.addEmployee(zoe, u"200"_s);
    fx.addEmployee(zoe, u"201"_s);
    fx.addClocking(u"12/31/25"_s, u"17:00:00"_s, zoe, u"OUT"_s, u"200"_s);
    fx.addClocking(u"12/31/25"_s, u"08:00:00"_s, zoe, u"IN"_s, u"200"_s);
    fx.addClocking(u"12/31/25"_s, u"08:10:00"_s, u"Ann"_s, u"IN"_s, u"100"_s);
    fx.addClocking(u"12/31/25"_s, u"09:00:00"_s, zoe, u"IN"_s, u"201"_s);
    fx.addClocking(u"01/02/26"_s, u"07:59:59"_s, zoe, u"IN"_s, u"200"_s);
    fx.addClocking(u"01/02/25"_s, u"08:00:00"_s, zoe, u"IN"_s, u"200"_s);
    fx.addClocking(u"12/31/26"_s, u"08:00:00"_s, zoe, u"IN"_s, u"200"_s);
}

QByteArray row(const QByteArray &date, const QByteArray &time, const QByteArray &type)
{
    return ReportFixture::row({date, time, type});
}

QByteArray page(const QByteArray &employee, const QByteArray &start, const QByteArray &end,
                const QByteArray &rows)
{
    return "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>::Individual Report for " +
           employee +
           "::</title>\r\n</head>\r\n<body>\r\n<div align = center><strong><h2>Individual Report "
           "for  " +
           employee +
           "</h2></strong></div>\r\n<p align=center><img src=chronel/wi0122-48.gif width=48 "
           "height=48></p>\r\n<p align=left><strong><i>For the period " +
           start + " to " + end +
           "</i></strong></p>\r\n<hr>\r\n<p><strong>:: Clocking Information ::</strong></p>"
           "\r\n<table width=445 border=1>\r\n<tr>\r\n<th width=115 scope=col>Date</th>"
           "\r\n<th width=103 scope=col>Time </th>\r\n<th width=205 scope=col>Type</th>\r\n</tr>" +
           rows;
}

const QByteArray yearEndRows = row("12/31/25", "08:00:00", "IN") +
                               row("12/31/25", "17:00:00", "OUT") +
                               row("01/02/26", "07:59:59", "IN");

} // namespace

class TestIndividualReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // One employee's clockings in order, across a year end and no other year's, by card
    // when chosen (a namesake's left out, those made before a rename kept) and by name
    // when typed; any name or range without clockings gives the table head alone, and
    // the page is viewed.
    void pages_data();
    void pages();
    // The same page on either engine.
    void bothEngines_data() { TestDatabase::addEngineRows(); }
    void bothEngines();
    // Without a name nothing is written.
    void emptyNameIsRefused();
};

void TestIndividualReport::pages_data()
{
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("card"); // empty for a typed name
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QByteArray>("page");
    const QDate december1(2025, 12, 1);
    const QDate january31(2026, 1, 31);
    QTest::newRow("across the year end") << zoe << u"200"_s << december1 << january31
                                         << page(zoeWritten, "12/01/25", "01/31/26", yearEndRows);
    QTest::newRow("within one year")
        << zoe << u"200"_s << QDate(2026, 1, 1) << QDate(2026, 12, 30)
        << page(zoeWritten, "01/01/26", "12/30/26", row("01/02/26", "07:59:59", "IN"));
    QTest::newRow("start after end") << zoe << u"200"_s << january31 << december1
                                     << page(zoeWritten, "01/31/26", "12/01/25", {});
    QTest::newRow("the namesake") << zoe << u"201"_s << december1 << january31
                                  << page(zoeWritten, "12/01/25", "01/31/26",
                                          row("12/31/25", "09:00:00", "IN"));
    QTest::newRow("renamed since") << u"Zoe"_s << u"200"_s << december1 << january31
                                   << page("Zoe", "12/01/25", "01/31/26", yearEndRows);
    QTest::newRow("typed name") << zoe << QString() << december1 << january31
                                << page(zoeWritten, "12/01/25", "01/31/26",
                                        row("12/31/25", "08:00:00", "IN") +
                                            row("12/31/25", "09:00:00", "IN") +
                                            row("12/31/25", "17:00:00", "OUT") +
                                            row("01/02/26", "07:59:59", "IN"));
    QTest::newRow("typed name of nobody")
        << u"Nobody"_s << QString() << QDate(2025, 1, 1) << QDate(2026, 12, 31)
        << page("Nobody", "01/01/25", "12/31/26", {});
}

void TestIndividualReport::pages()
{
    QFETCH(QString, employee);
    QFETCH(QString, card);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QByteArray, page);
    ReportFixture fx;
    seed(fx);

    QVERIFY(IndividualReport(fx.db(), fx.prompter).run({employee, card, start, end}));

    QCOMPARE(fx.report(), page);
    QVERIFY(fx.prompter.scriptDone());
}

void TestIndividualReport::bothEngines()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);

    QVERIFY(IndividualReport(fx.db(), fx.prompter)
                .run({zoe, u"200"_s, QDate(2025, 12, 1), QDate(2026, 1, 31)}));

    QCOMPARE(fx.report(), page(zoeWritten, "12/01/25", "01/31/26", yearEndRows));
}

void TestIndividualReport::emptyNameIsRefused()
{
    ReportFixture fx;
    seed(fx);
    fx.prompter.expectMessage(u"Error!"_s, u"Please select an employee before continuing"_s,
                              PromptIcon::Error);

    QVERIFY(!IndividualReport(fx.db(), fx.prompter)
                 .run({QString(), QString(), QDate(2025, 12, 1), QDate(2026, 1, 31)}));

    QVERIFY(fx.prompter.scriptDone());
    QVERIFY(!fx.reportExists());
}

QTEST_GUILESS_MAIN(TestIndividualReport)
#include "tst_individualreport.moc"
