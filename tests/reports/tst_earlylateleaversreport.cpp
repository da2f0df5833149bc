#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "WhenModal.h"
#include "platform/gui/DatePicker.h"
#include "reports/core/EarlyLateLeaversReport.h"
#include "reports/gui/EarlyLateLeaversDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";

// Early cut-off 16:00:00, late 18:00:00; log-outs on and beside both, a log-in at an
// early hour, rows entered out of order, and other years.
void seed(ReportFixture &fx)
{
    fx.db().exec(u"update settings set eco = '16:00:00', lco = '18:00:00'"_s);
    fx.addClocking(u"03/02/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"03/02/26"_s, u"15:30:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addClocking(u"03/02/26"_s, u"16:00:00"_s, u"Bob"_s, u"OUT"_s);
    fx.addClocking(u"03/04/26"_s, u"07:45:00"_s, u"Bob"_s, u"OUT"_s);
    fx.addClocking(u"03/03/26"_s, u"18:00:00"_s, u"Bob"_s, u"OUT"_s);
    fx.addClocking(u"03/03/26"_s, u"18:30:00"_s, zoe, u"OUT"_s);
    fx.addClocking(u"03/03/26"_s, u"12:00:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addClocking(u"03/15/25"_s, u"15:00:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addClocking(u"01/05/26"_s, u"15:10:00"_s, u"Bob"_s, u"OUT"_s);
    fx.addClocking(u"12/20/25"_s, u"15:00:00"_s, u"Ann"_s, u"OUT"_s);
}

QByteArray frame(const QByteArray &start, const QByteArray &end)
{
    return ReportFixture::frame("::Early/Late Leaver Report for " + start + " to " + end + "::",
                                "Early/Late Leaver Report for the " + start + " to " + end,
                                ReportFixture::employeesOf());
}

const QByteArray earlyHeading = "\r\n<p><strong>:: Early Leavers ::</strong></p>";
const QByteArray lateHeading = "\r\n<p><strong>:: Late Leavers ::</strong></p>";
const QByteArray tableHead = ReportFixture::clockingTableHead();

QByteArray row(const QByteArray &date, const QByteArray &time, const QByteArray &employee)
{
    return ReportFixture::row({date, time, employee});
}

const QString noResults = u"There are no results for the date specified"_s;

} // namespace

class TestEarlyLateLeaversReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A section missing or doubled, a close written where the page has none (or missing
    // where it has one), a log-out at a cut-off counted, a log-in listed, a range that
    // misses a year end or takes in another year, rows out of date order, a value not
    // escaped, or the no-results message shown when both sections are asked for.
    void page_data();
    void page();
    // No leaver type chosen, or a cut-off the run needs never set (every log-out would
    // count as late): the previous page must stay as it was. A cut-off the run does not
    // need may be unset.
    void refusals_data();
    void refusals();
    // The cut-offs are read when the dialog opens; the run button writes the page and
    // shows it; Enter writes nothing.
    void dialog();
};

void TestEarlyLateLeaversReport::page_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("early");
    QTest::addColumn<bool>("late");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("written");

    const QDate march1(2026, 3, 1);
    const QDate march31(2026, 3, 31);
    const QByteArray march = frame("03/01/26", "03/31/26");
    const QByteArray earlyRows = row("03/02/26", "15:30:00", "Ann") +
                                 row("03/03/26", "12:00:00", "Ann") +
                                 row("03/04/26", "07:45:00", "Bob");
    const QByteArray lateRows = row("03/03/26", "18:30:00", zoeWritten);

    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        // The engine matters to ranges, order and stored text; the rest runs once.
        const bool once = engine == u"sqlite"_s;
        if (once)
            QTest::addRow("%s: early", e.constData())
                << engine << true << false << march1 << march31 << QString()
                << march + earlyHeading + tableHead + earlyRows;
        if (once)
            QTest::addRow("%s: late", e.constData())
                << engine << false << true << march1 << march31 << QString()
                << march + lateHeading + tableHead + lateRows;
        QTest::addRow("%s: both", e.constData())
            << engine << true << true << march1 << march31 << QString()
            << march + earlyHeading + tableHead + earlyRows + "\r\n</table>" + lateHeading +
                   tableHead + lateRows + "\r\n</table>\r\n</body>";
        if (once)
            QTest::addRow("%s: both, none found", e.constData())
                << engine << true << true << QDate(2026, 4, 1) << QDate(2026, 4, 30) << QString()
                << frame("04/01/26", "04/30/26") + earlyHeading + tableHead + "\r\n</table>" +
                       lateHeading + tableHead + "\r\n</table>\r\n</body>";
        if (once)
            QTest::addRow("%s: early, none found", e.constData())
                << engine << true << false << QDate(2026, 4, 1) << QDate(2026, 4, 30) << noResults
                << frame("04/01/26", "04/30/26") + earlyHeading;
        QTest::addRow("%s: start after end", e.constData())
            << engine << false << true << march31 << march1 << noResults
            << frame("03/31/26", "03/01/26") + lateHeading;
        QTest::addRow("%s: across the year end", e.constData())
            << engine << true << false << QDate(2025, 12, 15) << QDate(2026, 1, 15) << QString()
            << frame("12/15/25", "01/15/26") + earlyHeading + tableHead +
                   row("12/20/25", "15:00:00", "Ann") + row("01/05/26", "15:10:00", "Bob");
    }
}

void TestEarlyLateLeaversReport::page()
{
    QFETCH(bool, early);
    QFETCH(bool, late);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, message);
    QFETCH(QByteArray, written);
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);
    if (!message.isEmpty())
        fx.prompter.expectMessage(u"Results"_s, message, PromptIcon::Information);

    EarlyLateLeaversReport report(fx.db(), fx.prompter);
    report.loadCutOffs();
    const bool viewable = report.run({start, end, early, late});

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QCOMPARE(viewable, message.isEmpty());
    QCOMPARE(fx.report(), written);
}

void TestEarlyLateLeaversReport::refusals_data()
{
    QTest::addColumn<bool>("early");
    QTest::addColumn<bool>("late");
    QTest::addColumn<QString>("earlyCutOff");
    QTest::addColumn<QString>("lateCutOff");
    QTest::addColumn<QString>("message"); // none: the page is written

    const QString notSet = u"The early/late cut-off time is not set. Set it in Program Options."_s;
    const QString early = u"16:00:00"_s;
    const QString late = u"18:00:00"_s;
    QTest::newRow("no leaver type")
        << false << false << early << late << u"Please select a Leaver type"_s;
    QTest::newRow("late, late cut-off not set") << false << true << early << QString() << notSet;
    QTest::newRow("early, early cut-off blank") << true << false << u" "_s << late << notSet;
    QTest::newRow("both, one not set") << true << true << early << QString() << notSet;
    QTest::newRow("early, late cut-off not set")
        << true << false << early << QString() << QString();
}

void TestEarlyLateLeaversReport::refusals()
{
    QFETCH(bool, early);
    QFETCH(bool, late);
    QFETCH(QString, earlyCutOff);
    QFETCH(QString, lateCutOff);
    QFETCH(QString, message);
    ReportFixture fx;
    seed(fx);
    fx.db().exec(u"update settings set eco = ?, lco = ?"_s, {earlyCutOff, lateCutOff});
    fx.home().write(u"report.html"_s, "previous page");
    if (!message.isEmpty())
        fx.prompter.expectMessage(u"Error!"_s, message, PromptIcon::Error);

    EarlyLateLeaversReport report(fx.db(), fx.prompter);
    report.loadCutOffs();
    const bool viewable = report.run({QDate(2026, 3, 1), QDate(2026, 3, 31), early, late});

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QCOMPARE(viewable, message.isEmpty());
    QCOMPARE(fx.report() == "previous page", !message.isEmpty());
}

void TestEarlyLateLeaversReport::dialog()
{
    ReportFixture fx;
    seed(fx);
    QString title;
    QString viewerTitle;
    QString shown;
    bool enterWrote = true;
    whenDialogOpens(this, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        // The cut-offs are those read on opening: a change now does not count.
        fx.db().exec(u"update settings set eco = '23:00:00'"_s);
        QTest::keyClick(dialog, Qt::Key_Return);
        enterWrote = fx.reportExists() || !dialog->isVisible();
        dialog->findChild<DatePicker *>(u"startDate"_s)->setDate(QDate(2026, 3, 3));
        dialog->findChild<DatePicker *>(u"endDate"_s)->setDate(QDate(2026, 3, 31));
        dialog->findChild<QCheckBox *>(u"earlyBox"_s)->setChecked(true);
        auto *run = dialog->findChild<QPushButton *>(u"runButton"_s);
        QCOMPARE(run->text(), u"Run Report!"_s);
        const std::optional<ReportFixture::Viewed> viewed = ReportFixture::viewedAfterClick(run);
        QVERIFY(viewed);
        viewerTitle = viewed->title;
        shown = viewed->text;
    });
    EarlyLateLeaversDialog::run(fx.db(), fx.prompter, fx.clock, nullptr);

    QCOMPARE(title, u":: Early / Late leavers report ::"_s);
    QVERIFY(!enterWrote);
    QCOMPARE(viewerTitle, u":: Report Results ::"_s);
    QVERIFY2(shown.contains(u"03/04/26"_s) && !shown.contains(u"03/02/26"_s), qPrintable(shown));
    QCOMPARE(fx.report(), frame("03/03/26", "03/31/26") + earlyHeading + tableHead +
                              row("03/03/26", "12:00:00", "Ann") +
                              row("03/04/26", "07:45:00", "Bob"));
}

QTEST_MAIN(TestEarlyLateLeaversReport)
#include "tst_earlylateleaversreport.moc"
