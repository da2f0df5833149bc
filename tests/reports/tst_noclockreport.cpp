#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/NoClockReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";

// On 03/14/26 Ann clocked in and out, Zoë in twice, Bob only on the day before, Cy only
// out; on 03/16/26 all clocked in.
void seed(ReportFixture &fx)
{
    fx.addEmployee(u"Ann"_s, u"100"_s);
    fx.addEmployee(zoe, u"200"_s);
    fx.addEmployee(u"Bob"_s, u"300"_s);
    fx.addEmployee(u"Cy"_s, u"400"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s, u"100"_s);
    fx.addClocking(u"03/14/26"_s, u"17:00:00"_s, u"Ann"_s, u"OUT"_s, u"100"_s);
    fx.addClocking(u"03/14/26"_s, u"08:05:00"_s, zoe, u"IN"_s, u"200"_s);
    fx.addClocking(u"03/14/26"_s, u"13:05:00"_s, zoe, u"IN"_s, u"200"_s);
    fx.addClocking(u"03/13/26"_s, u"08:00:00"_s, u"Bob"_s, u"IN"_s, u"300"_s);
    fx.addClocking(u"03/13/26"_s, u"17:00:00"_s, u"Bob"_s, u"OUT"_s, u"300"_s);
    fx.addClocking(u"03/14/26"_s, u"16:00:00"_s, u"Cy"_s, u"OUT"_s, u"400"_s);
    const QList<std::pair<QString, QString>> everyone = {
        {u"Cy"_s, u"400"_s}, {u"Bob"_s, u"300"_s}, {zoe, u"200"_s}, {u"Ann"_s, u"100"_s}};
    for (const auto &[name, card] : everyone)
        fx.addClocking(u"03/16/26"_s, u"08:00:00"_s, name, u"IN"_s, card);
}

// The page has always left these rows open.
QByteArray row(const QByteArray &name)
{
    return "\r\n<tr>\r\n<td>" + name + "</td>";
}

QByteArray frame(const QByteArray &date)
{
    return ReportFixture::frame("::No Clock Report for " + date + "::",
                                "No Clock report for " + date, ReportFixture::employeesOf());
}

const QByteArray insHeading = "\r\n<p><strong>:: No Clock-ins ::</strong></p>";
const QByteArray outsHeading = "\r\n<p><strong>:: No Clock-outs ::</strong></p>";
const QByteArray tableHead = "\r\n<table width=200 border=1>\r\n<tr>"
                             "\r\n<th width=115 scope=col>Employee Name</th>\r\n</tr>";
const QByteArray noIns = insHeading + tableHead + row("Bob") + row("Cy");
const QByteArray noOuts = outsHeading + tableHead + row(zoeWritten) + row("Bob");

} // namespace

class TestNoClockReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Each list names exactly the employees without that clocking on the day; a day on
    // which all clocked in gives the head alone and is still viewed.
    void pages_data();
    void pages();
    // The same page on either engine.
    void bothEngines_data() { TestDatabase::addEngineRows(); }
    void bothEngines();
    // Clockings matched by name: an employee renamed since counted as absent, or one
    // clocking counted for a namesake too.
    void matchedByCard_data() { TestDatabase::addEngineRows(); }
    void matchedByCard();
    // Without employees the run stops at its message, the frame and heading written.
    void noEmployees();
    // With no list chosen nothing is written.
    void noOptionIsRefused();
};

void TestNoClockReport::pages_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("noClockIns");
    QTest::addColumn<bool>("noClockOuts");
    QTest::addColumn<QByteArray>("page");
    const QDate day(2026, 3, 14);
    QTest::newRow("no clock-ins") << day << true << false << frame("03/14/26") + noIns;
    QTest::newRow("no clock-outs") << day << false << true << frame("03/14/26") + noOuts;
    QTest::newRow("both") << day << true << true
                          << frame("03/14/26") + noIns + "\r\n</table>" + noOuts;
    QTest::newRow("all clocked in")
        << QDate(2026, 3, 16) << true << false << frame("03/16/26") + insHeading + tableHead;
}

void TestNoClockReport::pages()
{
    QFETCH(QDate, date);
    QFETCH(bool, noClockIns);
    QFETCH(bool, noClockOuts);
    QFETCH(QByteArray, page);
    ReportFixture fx;
    seed(fx);

    QVERIFY(NoClockReport(fx.db(), fx.prompter).run({date, noClockIns, noClockOuts}));

    QCOMPARE(fx.report(), page);
    QVERIFY(fx.prompter.scriptDone());
}

void TestNoClockReport::bothEngines()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);

    QVERIFY(NoClockReport(fx.db(), fx.prompter).run({QDate(2026, 3, 14), true, true}));

    QCOMPARE(fx.report(), frame("03/14/26") + noIns + "\r\n</table>" + noOuts);
}

void TestNoClockReport::matchedByCard()
{
    CHRONEL_REPORT_FIXTURE(fx);
    fx.addEmployee(u"Dee Jones"_s, u"500"_s);
    fx.addEmployee(u"Sam"_s, u"600"_s);
    fx.addEmployee(u"Sam"_s, u"700"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Dee"_s, u"IN"_s, u"500"_s);
    fx.addClocking(u"03/14/26"_s, u"08:10:00"_s, u"Sam"_s, u"IN"_s, u"600"_s);

    QVERIFY(NoClockReport(fx.db(), fx.prompter).run({QDate(2026, 3, 14), true, false}));

    QCOMPARE(fx.report(), frame("03/14/26") + insHeading + tableHead + row("Sam"));
}

void TestNoClockReport::noEmployees()
{
    ReportFixture fx;
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.prompter.expectMessage(u"Error!"_s, u"Fatal Error:No employees found!"_s, PromptIcon::Error);

    QVERIFY(!NoClockReport(fx.db(), fx.prompter).run({QDate(2026, 3, 14), true, true}));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(), frame("03/14/26") + insHeading);
}

void TestNoClockReport::noOptionIsRefused()
{
    ReportFixture fx;
    seed(fx);
    fx.prompter.expectMessage(u"Error!"_s, u"Please select a No Clock Option"_s, PromptIcon::Error);

    QVERIFY(!NoClockReport(fx.db(), fx.prompter).run({QDate(2026, 3, 14), false, false}));

    QVERIFY(fx.prompter.scriptDone());
    QVERIFY(!fx.reportExists());
}

QTEST_GUILESS_MAIN(TestNoClockReport)
#include "tst_noclockreport.moc"
