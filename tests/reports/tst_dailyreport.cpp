#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/DailyReport.h"
#include "store/StartupValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";

// 03/14/26 with log-ins entered out of order, one log-out, clockings and breaks of other
// days, and a break whose card has no employee any more.
void seed(ReportFixture &fx)
{
    fx.addEmployee(u"Ann"_s, u"100"_s);
    fx.addEmployee(zoe, u"200"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"03/14/26"_s, u"07:55:00"_s, zoe, u"IN"_s);
    fx.addClocking(u"03/14/26"_s, u"17:00:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addClocking(u"03/13/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"03/14/25"_s, u"18:00:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addBreak(u"03/14/26"_s, u"200"_s, u"10:05:00"_s, u"-"_s, u"1"_s);
    fx.addBreak(u"03/14/26"_s, u"100"_s, u"10:00:00"_s, u"10:15:00"_s, u"1"_s);
    fx.addBreak(u"03/14/26"_s, u"100"_s, u"12:00:00"_s, u"12:30:00"_s, u"2"_s);
    fx.addBreak(u"03/13/26"_s, u"100"_s, u"10:00:00"_s, u"10:10:00"_s, u"1"_s);
    fx.addBreak(u"03/14/26"_s, u"999"_s, u"15:00:00"_s, u"15:05:00"_s, u"3"_s);
}

StartupValues breakValues(const QString &numberOfBreaks)
{
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = StationSettings::breakCount(numberOfBreaks);
    values.breakNames = {u"Coffee"_s, u"Lunch"_s, u"Tea & cake"_s};
    return values;
}

const QByteArray frame = ReportFixture::frame(
    "::Daily Report for 03/14/26::", "Daily Report for the 03/14/26", ReportFixture::employeesOf());
const QByteArray logInsHeading = "\r\n<p><strong>:: Log-in's ::</strong></p>";
const QByteArray logOutsHeading = "\r\n<p><strong>:: Log-outs's ::</strong></p>";
const QByteArray logTableHead = ReportFixture::clockingTableHead();
const QByteArray logIns = logInsHeading + logTableHead +
                          ReportFixture::row({"03/14/26", "07:55:00", zoeWritten}) +
                          ReportFixture::row({"03/14/26", "08:00:00", "Ann"}) + "\r\n</table>";
const QByteArray logOuts = logOutsHeading + logTableHead +
                           ReportFixture::row({"03/14/26", "17:00:00", "Ann"}) + "\r\n</table>";
const QByteArray breaksHead = "\r\n<p><strong>:: Breaks ::</strong></p>"
                              "\r\n<table width=450 border=1>\r\n<tr>"
                              "\r\n<th width=115 scope=col>Break Name</th>"
                              "\r\n<th width=115 scope=col>Employee</th>"
                              "\r\n<th width=103 scope=col>Started</th>"
                              "\r\n<th width=205 scope=col>Ended</th>\r\n</tr>";
const QByteArray breaks1 = ReportFixture::row({"Coffee", "Ann", "10:00:00", "10:15:00"}) +
                           ReportFixture::row({"Coffee", zoeWritten, "10:05:00", "-"});
const QByteArray breaks2 = ReportFixture::row({"Lunch", "Ann", "12:00:00", "12:30:00"});
const QByteArray breaks3 = ReportFixture::row({"Tea &amp; cake", "", "15:00:00", "15:05:00"});

} // namespace

class TestDailyReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Each choice of lists and breaks writes its sections and closes exactly.
    void pages_data();
    void pages();
    // The same page on either engine.
    void bothEngines_data() { TestDatabase::addEngineRows(); }
    void bothEngines();
    // A single list without rows stops at the message, with the frame and its heading
    // in the file, and no breaks.
    void singleListWithoutRows_data();
    void singleListWithoutRows();
    // With no list chosen nothing is written, not even the file.
    void noListIsRefused();
};

void TestDailyReport::pages_data()
{
    QTest::addColumn<bool>("logIns");
    QTest::addColumn<bool>("logOuts");
    QTest::addColumn<bool>("breaks");
    QTest::addColumn<QString>("numberOfBreaks");
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("log-ins") << true << false << false << u"3"_s << frame + logIns;
    QTest::newRow("log-outs") << false << true << false << u"3"_s << frame + logOuts;
    QTest::newRow("both") << true << true << false << u"3"_s
                          << frame + logIns + logOuts + "\r\n</body>";
    QTest::newRow("log-ins, one break a day")
        << true << false << true << u"1"_s
        << frame + logIns + breaksHead + breaks1 + "\r\n</table>";
    QTest::newRow("both, two breaks a day") << true << true << true << u"2"_s
                                            << frame + logIns + logOuts + "\r\n</body>" +
                                                   breaksHead + breaks1 + breaks2 + "\r\n</table>";
    QTest::newRow("log-outs, three breaks a day")
        << false << true << true << u"3"_s
        << frame + logOuts + breaksHead + breaks1 + breaks2 + breaks3 + "\r\n</table>";
    QTest::newRow("no breaks a day")
        << false << true << true << u"0"_s << frame + logOuts + breaksHead;
}

void TestDailyReport::pages()
{
    QFETCH(bool, logIns);
    QFETCH(bool, logOuts);
    QFETCH(bool, breaks);
    QFETCH(QString, numberOfBreaks);
    QFETCH(QByteArray, page);
    ReportFixture fx;
    seed(fx);
    const StartupValues values = breakValues(numberOfBreaks);

    QVERIFY(DailyReport(fx.db(), fx.prompter, values)
                .run({QDate(2026, 3, 14), logIns, logOuts, breaks}));

    QCOMPARE(fx.report(), page);
    QVERIFY(fx.prompter.scriptDone());
}

void TestDailyReport::bothEngines()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);
    const StartupValues values = breakValues(u"2"_s);

    QVERIFY(DailyReport(fx.db(), fx.prompter, values).run({QDate(2026, 3, 14), true, true, true}));

    QCOMPARE(fx.report(), frame + logIns + logOuts + "\r\n</body>" + breaksHead + breaks1 +
                              breaks2 + "\r\n</table>");
}

void TestDailyReport::singleListWithoutRows_data()
{
    QTest::addColumn<bool>("logIns");
    QTest::addColumn<QByteArray>("heading");
    QTest::newRow("log-ins") << true << logInsHeading;
    QTest::newRow("log-outs") << false << logOutsHeading;
}

void TestDailyReport::singleListWithoutRows()
{
    QFETCH(bool, logIns);
    QFETCH(QByteArray, heading);
    ReportFixture fx;
    seed(fx);
    const StartupValues values = breakValues(u"3"_s);
    fx.prompter.expectMessage(u"Results"_s, u"There are no results for the date specified"_s,
                              PromptIcon::Information);

    QVERIFY(!DailyReport(fx.db(), fx.prompter, values)
                 .run({QDate(2026, 3, 15), logIns, !logIns, true}));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(),
             ReportFixture::frame("::Daily Report for 03/15/26::", "Daily Report for the 03/15/26",
                                  ReportFixture::employeesOf()) +
                 heading);
}

void TestDailyReport::noListIsRefused()
{
    ReportFixture fx;
    seed(fx);
    const StartupValues values = breakValues(u"3"_s);
    fx.prompter.expectMessage(u"Error!"_s, u"Please select either log option before continuing"_s,
                              PromptIcon::Error);

    QVERIFY(
        !DailyReport(fx.db(), fx.prompter, values).run({QDate(2026, 3, 14), false, false, true}));

    QVERIFY(fx.prompter.scriptDone());
    QVERIFY(!fx.reportExists());
}

QTEST_GUILESS_MAIN(TestDailyReport)
#include "tst_dailyreport.moc"
