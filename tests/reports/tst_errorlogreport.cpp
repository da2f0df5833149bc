#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/ErrorLogReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Three events on 03/14/26, two in the same second, entered out of order; others on
// the day before and a year before.
void seed(ReportFixture &fx)
{
    fx.addError(u"03/14/26"_s, u"09:00:01"_s, u"Invalid card <12&3> entered"_s);
    fx.addError(u"03/14/26"_s, u"08:00:00"_s, u"Failed log-in by \"Zo\u00eb\""_s);
    fx.addError(u"03/14/26"_s, u"09:00:01"_s, u"Invalid card 12 entered"_s);
    fx.addError(u"03/13/26"_s, u"09:00:00"_s, u"the day before"_s);
    fx.addError(u"03/14/25"_s, u"09:00:00"_s, u"a year before"_s);
}

QByteArray row(const QByteArray &date, const QByteArray &time, const QByteArray &reason)
{
    return ReportFixture::row({date, time, reason});
}

const QByteArray heading = "\r\n<p><strong>:: Occured Errors ::</strong></p>";

QByteArray frame(const QByteArray &date)
{
    return ReportFixture::frame("::Error report for the " + date + "::",
                                "Error Report for the " + date, ReportFixture::employeesOf());
}

const QByteArray page =
    frame("03/14/26") + heading +
    "\r\n<table width=445 border=1>\r\n<tr>\r\n<th width=115 scope=col>Date</th>"
    "\r\n<th width=103 scope=col>Time </th>\r\n<th width=600 scope=col>Error</th>\r\n</tr>" +
    row("03/14/26", "08:00:00", "Failed log-in by &quot;Zo\xc3\xab&quot;") +
    row("03/14/26", "09:00:01", "Invalid card &lt;12&amp;3&gt; entered") +
    row("03/14/26", "09:00:01", "Invalid card 12 entered");

} // namespace

class TestErrorLogReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The day's events only, every one of them, in order of time and entry.
    void page_data() { TestDatabase::addEngineRows(); }
    void page();
    // A day without events stops at the message with the frame and heading written.
    void dayWithoutEvents();
};

void TestErrorLogReport::page()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);

    QVERIFY(ErrorLogReport(fx.db(), fx.prompter).run(QDate(2026, 3, 14)));

    QCOMPARE(fx.report(), ::page);
    QVERIFY(fx.prompter.scriptDone());
}

void TestErrorLogReport::dayWithoutEvents()
{
    ReportFixture fx;
    seed(fx);
    fx.prompter.expectMessage(u"Results"_s, u"There are no results for the date specified"_s,
                              PromptIcon::Information);

    QVERIFY(!ErrorLogReport(fx.db(), fx.prompter).run(QDate(2026, 3, 15)));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(), frame("03/15/26") + heading);
}

QTEST_GUILESS_MAIN(TestErrorLogReport)
#include "tst_errorlogreport.moc"
