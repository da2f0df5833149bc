#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/MonthlyReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";

// Clockings around a year end, entered out of order, with rows of other years whose
// month and day fall inside the range.
void seed(ReportFixture &fx)
{
    fx.addClocking(u"12/01/25"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"12/31/25"_s, u"17:00:00"_s, u"Bob"_s, u"OUT"_s);
    fx.addClocking(u"01/01/26"_s, u"09:00:00"_s, zoe, u"IN"_s);
    fx.addClocking(u"01/01/26"_s, u"08:30:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"01/31/26"_s, u"17:30:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addClocking(u"02/01/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"01/15/27"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"01/20/25"_s, u"17:00:00"_s, u"Bob"_s, u"OUT"_s);
}

QByteArray row(const QByteArray &date, const QByteArray &time, const QByteArray &employee)
{
    return ReportFixture::row({date, time, employee});
}

QByteArray frame(const QByteArray &start, const QByteArray &end)
{
    return ReportFixture::frame("::Monthly Report for " + start + " to " + end + "::",
                                "Monthly Report for the " + start + " to " + end,
                                ReportFixture::employeesOf());
}

const QByteArray logInsHeading = "\r\n<p><strong>:: Log-in's ::</strong></p>";
const QByteArray logOutsHeading = "\r\n<p><strong>:: Log-outs's ::</strong></p>";
const QByteArray tableHead = ReportFixture::clockingTableHead();
const QByteArray yearEndIns = logInsHeading + tableHead + row("12/01/25", "08:00:00", "Ann") +
                              row("01/01/26", "08:30:00", "Ann") +
                              row("01/01/26", "09:00:00", zoeWritten);
const QByteArray yearEndOuts = logOutsHeading + tableHead + row("12/31/25", "17:00:00", "Bob") +
                               row("01/31/26", "17:30:00", "Ann");

const QDate dec1(2025, 12, 1);
const QDate jan1(2026, 1, 1);
const QDate jan31(2026, 1, 31);

} // namespace

class TestMonthlyReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The ranges find their dates across a year end and no other year's; one list is left
    // open, two are closed and followed by the body close, empty or not.
    void pages_data();
    void pages();
    // The same page on either engine.
    void bothEngines_data() { TestDatabase::addEngineRows(); }
    void bothEngines();
    // A single list without rows (a start after the end among them) stops at the message.
    void singleListWithoutRows_data();
    void singleListWithoutRows();
    // With no type chosen nothing is written.
    void noTypeIsRefused();
};

void TestMonthlyReport::pages_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("logIns");
    QTest::addColumn<bool>("logOuts");
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("log-ins across the year end")
        << dec1 << jan31 << true << false << frame("12/01/25", "01/31/26") + yearEndIns;
    QTest::newRow("log-outs across the year end")
        << dec1 << jan31 << false << true << frame("12/01/25", "01/31/26") + yearEndOuts;
    QTest::newRow("both across the year end")
        << dec1 << jan31 << true << true
        << frame("12/01/25", "01/31/26") + yearEndIns + "\r\n</table>" + yearEndOuts +
               "\r\n</table>\r\n</body>";
    QTest::newRow("log-ins within one year")
        << jan1 << jan31 << true << false
        << frame("01/01/26", "01/31/26") + logInsHeading + tableHead +
               row("01/01/26", "08:30:00", "Ann") + row("01/01/26", "09:00:00", zoeWritten);
    QTest::newRow("both, start after end")
        << jan31 << dec1 << true << true
        << frame("01/31/26", "12/01/25") + logInsHeading + tableHead + "\r\n</table>" +
               logOutsHeading + tableHead + "\r\n</table>\r\n</body>";
}

void TestMonthlyReport::pages()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, logIns);
    QFETCH(bool, logOuts);
    QFETCH(QByteArray, page);
    ReportFixture fx;
    seed(fx);

    QVERIFY(MonthlyReport(fx.db(), fx.prompter).run({start, end, logIns, logOuts}));

    QCOMPARE(fx.report(), page);
    QVERIFY(fx.prompter.scriptDone());
}

void TestMonthlyReport::bothEngines()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);

    QVERIFY(MonthlyReport(fx.db(), fx.prompter).run({dec1, jan31, true, true}));

    QCOMPARE(fx.report(), frame("12/01/25", "01/31/26") + yearEndIns + "\r\n</table>" +
                              yearEndOuts + "\r\n</table>\r\n</body>");
}

void TestMonthlyReport::singleListWithoutRows_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("logIns");
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("start after end")
        << jan31 << dec1 << true << frame("01/31/26", "12/01/25") + logInsHeading;
    QTest::newRow("no log-outs in the range") << QDate(2026, 2, 1) << QDate(2026, 2, 28) << false
                                              << frame("02/01/26", "02/28/26") + logOutsHeading;
}

void TestMonthlyReport::singleListWithoutRows()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, logIns);
    QFETCH(QByteArray, page);
    ReportFixture fx;
    seed(fx);
    fx.prompter.expectMessage(u"Results"_s, u"There are no results for the period specified"_s,
                              PromptIcon::Information);

    QVERIFY(!MonthlyReport(fx.db(), fx.prompter).run({start, end, logIns, !logIns}));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(), page);
}

void TestMonthlyReport::noTypeIsRefused()
{
    ReportFixture fx;
    seed(fx);
    fx.prompter.expectMessage(u"Error!"_s, u"Please select a log-in type before continuing"_s,
                              PromptIcon::Error);

    QVERIFY(!MonthlyReport(fx.db(), fx.prompter).run({dec1, jan31, false, false}));

    QVERIFY(fx.prompter.scriptDone());
    QVERIFY(!fx.reportExists());
}

QTEST_GUILESS_MAIN(TestMonthlyReport)
#include "tst_monthlyreport.moc"
