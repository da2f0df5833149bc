#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "WhenModal.h"
#include "reports/core/BreakOccurrenceReport.h"
#include "reports/gui/BreakOccurrenceDialog.h"
#include "store/StartupValues.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;
const QByteArray zoeWritten = "Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;";
const QByteArray teaWritten = "Caf\xc3\xa9 &amp; &quot;Tea&quot;";

StartupValues breakSettings(const QString &breaksADay)
{
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = StationSettings::breakCount(breaksADay);
    values.breakNames = {u"Lunch"_s, u"Caf\u00e9 & \"Tea\""_s, u"Smoke"_s};
    return values;
}

// Ann's breaks (card 0042): complete days with and without a break 2, one past midnight,
// open breaks of every number, a break 2 without its break 1, other years and months;
// and other employees' breaks, two of them called Sam.
void seed(ReportFixture &fx)
{
    fx.addEmployee(u"Ann"_s, u"0042"_s);
    fx.addEmployee(u"Sam"_s, u"8"_s);
    fx.addEmployee(u"Bob"_s, u"17"_s);
    fx.addEmployee(zoe, u"99"_s);
    fx.addEmployee(u"Sam"_s, u"7"_s);
    const QStringList ann = {u"03/02/26 1 10:00:00 10:40:00"_s, u"03/02/26 3 17:00:00 17:10:00"_s,
                             u"03/02/26 2 15:00:00 15:30:00"_s, u"03/03/26 1 23:50:00 00:10:00"_s,
                             u"03/03/26 3 15:00:00 15:30:00"_s, u"03/04/26 3 15:00:00 -"_s,
                             u"03/04/26 1 09:00:00 -"_s,        u"03/04/26 2 12:00:00 -"_s,
                             u"03/05/26 2 12:00:00 12:20:00"_s, u"03/15/25 1 10:00:00 10:30:00"_s,
                             u"04/01/26 1 10:00:00 -"_s,        u"01/02/26 1 08:00:00 -"_s,
                             u"12/31/25 1 10:00:00 10:15:00"_s};
    for (const QString &line : ann) {
        const QStringList parts = line.split(u' ');
        fx.addBreak(parts[0], u"0042"_s, parts[2], parts[3], parts[1]);
    }
    fx.addBreak(u"03/02/26"_s, u"17"_s, u"11:00:00"_s, u"-"_s, u"1"_s);
    fx.addBreak(u"03/06/26"_s, u"99"_s, u"10:00:00"_s, u"10:05:00"_s, u"1"_s);
    fx.addBreak(u"03/09/26"_s, u"7"_s, u"10:00:00"_s, u"10:15:00"_s, u"1"_s);
    fx.addBreak(u"03/09/26"_s, u"8"_s, u"11:00:00"_s, u"11:45:00"_s, u"1"_s);
    fx.addBreak(u"03/10/26"_s, u"8"_s, u"09:00:00"_s, u"-"_s, u"1"_s);
}

QByteArray frame(const QByteArray &employee, const QByteArray &start, const QByteArray &end)
{
    return ReportFixture::frame(
        "::Break occurances for " + employee + " for " + start + " to " + end + "::",
        "Break times  for " + employee + " for " + start + " to " + end, ReportFixture::worksFor());
}

const QByteArray incompleteHead = "\r\n<p><strong>:: Incomplete Breaks recorded ::</strong></p>"
                                  "\r\n<table width=417 border=1>"
                                  "<th width=126 scope=col>Date</th>"
                                  "<th width=126 scope=col>Break Name</th>"
                                  "<th width=143 scope=col>Break Start time</th>";
const QByteArray completedHeading = "\r\n<p><strong>:: Completed break records ::</strong></p>"
                                    "\r\n<table width=900 border=1>";
const QByteArray oneADayHead = completedHeading + "<th width=95 scope=col>Date</th>"
                                                  "<th width=125 scope=col>Break Name</th>"
                                                  "<th width=100 scope=col>Break Started</th>"
                                                  "<th width=100 scope=col>Break Ended</th>"
                                                  "<th width=120 scope=col>Total Break Time</th>";
const QByteArray twoADayCells = "<th width=95 scope=col>Date</th>"
                                "<th width=110 scope=col>Break 1 Started</th>"
                                "<th width=110 scope=col>Break 1 Ended</th>"
                                "<th width=110 scope=col>Break 2 Started</th>"
                                "<th width=110 scope=col>Break 2 Ended</th>";
const QByteArray totalCell = "<th width=125 scope=col>Total Break Time</th>";
const QByteArray twoADayHead = completedHeading + twoADayCells + totalCell;
const QByteArray threeADayHead = completedHeading + twoADayCells +
                                 "<th width=110 scope=col>Break 3 Started</th>"
                                 "<th width=110 scope=col>Break 3 Ended</th>" +
                                 totalCell;

// Cells separated by "|"; the row stays open when `closed` is false.
QByteArray row(const QByteArray &cells, bool closed = true)
{
    QByteArray written = "\r\n<tr>";
    for (const QByteArray &cell : cells.split('|'))
        written += "\r\n<td>" + cell + "</td>";
    return closed ? written + "\r\n</tr>" : written;
}

} // namespace

class TestBreakOccurrenceReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Breaks outside the period or of another employee (of the same name too) listed, a
    // year end missed, the
    // layout not following the breaks a day, a break name or total wrong, a row closed
    // or left open against the page, a table closed that the page leaves open, or a
    // value not escaped.
    void page_data();
    void page();
    // No employee chosen, or one removed since the list was read: a message, and the
    // previous page stays as it was.
    void refused_data();
    void refused();
    // The list is filled on opening (with a message when there is nobody), "Process!"
    // writes the chosen employee's page and shows it.
    void dialog();
    void dialogWithoutEmployees();
    // Two employees of one name: the list tells them apart and each gives only their
    // own page.
    void equalNamesInList();
};

void TestBreakOccurrenceReport::page_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("breaksADay");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QByteArray>("written");

    const QDate march1(2026, 3, 1);
    const QDate march31(2026, 3, 31);
    const QByteArray march = frame("Ann", "03/01/26", "03/31/26");
    const QByteArray openLunch = row("03/04/26|Lunch|09:00:00");
    const QByteArray openTea = row("03/04/26|" + teaWritten + "|12:00:00");
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        // The engine matters to ranges, order and stored text; the rest runs once.
        const bool once = engine == u"sqlite"_s;
        if (once)
            QTest::addRow("%s: one a day", e.constData())
                << engine << u"1"_s << u"Ann"_s << u"0042"_s << march1 << march31
                << march + incompleteHead + openLunch + "\r\n</table>" + oneADayHead +
                       row("03/02/26|Lunch|10:00:00|10:40:00|0 hours,40 minutes") +
                       row("03/03/26|Lunch|23:50:00|00:10:00|0 hours,20 minutes");
        if (once)
            QTest::addRow("%s: two a day", e.constData())
                << engine << u"2"_s << u"Ann"_s << u"0042"_s << march1 << march31
                << march + incompleteHead + openLunch + openTea + "\r\n</table>" + twoADayHead +
                       row("03/02/26|10:00:00|10:40:00|15:00:00|15:30:00|1 hours,10 minutes") +
                       row("03/03/26|23:50:00|00:10:00|-|-|0 hours,20 minutes", false);
        QTest::addRow("%s: three a day", e.constData())
            << engine << u"3"_s << u"Ann"_s << u"0042"_s << march1 << march31
            << march + incompleteHead + openLunch + openTea + row("03/04/26|Smoke|15:00:00") +
                   "\r\n</table>" + threeADayHead +
                   row("03/02/26|10:00:00|10:40:00|15:00:00|15:30:00|17:00:00|17:10:00|1 "
                       "hours,20 minutes") +
                   row("03/03/26|23:50:00|00:10:00|-|-|15:00:00|15:30:00|0 hours,50 minutes");
        if (once)
            QTest::addRow("%s: breaks a day not set", e.constData())
                << engine << u"0"_s << u"Ann"_s << u"0042"_s << march1 << march31
                << march + incompleteHead;
        QTest::addRow("%s: across the year end", e.constData())
            << engine << u"1"_s << u"Ann"_s << u"0042"_s << QDate(2025, 12, 15)
            << QDate(2026, 1, 15)
            << frame("Ann", "12/15/25", "01/15/26") + incompleteHead +
                   row("01/02/26|Lunch|08:00:00") + "\r\n</table>" + oneADayHead +
                   row("12/31/25|Lunch|10:00:00|10:15:00|0 hours,15 minutes");
        if (once)
            QTest::addRow("%s: start after end", e.constData())
                << engine << u"1"_s << u"Ann"_s << u"0042"_s << march31 << march1
                << frame("Ann", "03/31/26", "03/01/26") + incompleteHead + "\r\n</table>" +
                       oneADayHead;
        QTest::addRow("%s: escaped name", e.constData())
            << engine << u"2"_s << zoe << u"99"_s << march1 << march31
            << frame(zoeWritten, "03/01/26", "03/31/26") + incompleteHead + "\r\n</table>" +
                   twoADayHead + row("03/06/26|10:00:00|10:05:00|-|-|0 hours,5 minutes", false);
        QTest::addRow("%s: Sam of card 7", e.constData())
            << engine << u"1"_s << u"Sam"_s << u"7"_s << march1 << march31
            << frame("Sam", "03/01/26", "03/31/26") + incompleteHead + "\r\n</table>" +
                   oneADayHead + row("03/09/26|Lunch|10:00:00|10:15:00|0 hours,15 minutes");
        QTest::addRow("%s: Sam of card 8", e.constData())
            << engine << u"1"_s << u"Sam"_s << u"8"_s << march1 << march31
            << frame("Sam", "03/01/26", "03/31/26") + incompleteHead +
                   row("03/10/26|Lunch|09:00:00") + "\r\n</table>" + oneADayHead +
                   row("03/09/26|Lunch|11:00:00|11:45:00|0 hours,45 minutes");
    }
}

void TestBreakOccurrenceReport::page()
{
    QFETCH(QString, breaksADay);
    QFETCH(QString, employee);
    QFETCH(QString, card);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QByteArray, written);
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);
    const StartupValues values = breakSettings(breaksADay);

    QVERIFY(BreakOccurrenceReport(fx.db(), fx.prompter, values).run({employee, card, start, end}));

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QCOMPARE(fx.report(), written);
}

void TestBreakOccurrenceReport::refused_data()
{
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("message");
    QTest::newRow("none chosen") << QString() << QString()
                                 << u"Please select an employee before processing the report"_s;
    QTest::newRow("removed") << u"Cy"_s << u"55"_s
                             << u"The employee Cy no longer exists. Please choose again."_s;
}

void TestBreakOccurrenceReport::refused()
{
    QFETCH(QString, employee);
    QFETCH(QString, card);
    QFETCH(QString, message);
    ReportFixture fx;
    seed(fx);
    fx.home().write(u"report.html"_s, "previous page");
    fx.prompter.expectMessage(u"Error!"_s, message, PromptIcon::Error);
    const StartupValues values = breakSettings(u"1"_s);

    QVERIFY(!BreakOccurrenceReport(fx.db(), fx.prompter, values)
                 .run({employee, card, QDate(2026, 3, 1), QDate(2026, 3, 31)}));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(), QByteArray("previous page"));
}

void TestBreakOccurrenceReport::dialog()
{
    ReportFixture fx;
    seed(fx);
    fx.clock.set(QDateTime(QDate(2026, 3, 4), QTime(12, 0)));
    const StartupValues values = breakSettings(u"1"_s);
    QString title;
    QStringList names;
    bool viewed = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        list->setCurrentRow(0);
        auto *run = dialog->findChild<QPushButton *>(u"runButton"_s);
        QCOMPARE(run->text(), u"Process!"_s);
        viewed = ReportFixture::viewedAfterClick(run).has_value();
    });
    BreakOccurrenceDialog::run(fx.db(), fx.prompter, fx.clock, values, nullptr);

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(title, u":: Break Occurance Report ::"_s);
    QCOMPARE(names, (QStringList{u"Ann"_s, u"Bob"_s, u"Sam (7)"_s, u"Sam (8)"_s, zoe}));
    QVERIFY(viewed);
    QCOMPARE(fx.report(), frame("Ann", "03/04/26", "03/04/26") + incompleteHead +
                              row("03/04/26|Lunch|09:00:00") + "\r\n</table>" + oneADayHead);
}

void TestBreakOccurrenceReport::dialogWithoutEmployees()
{
    ReportFixture fx;
    const StartupValues values = breakSettings(u"1"_s);
    fx.prompter.expectMessage(u"Error!"_s, u"Fatal error - no employees found!"_s,
                              PromptIcon::Error);
    fx.prompter.expectMessage(u"Error!"_s,
                              u"Please select an employee before processing the report"_s,
                              PromptIcon::Error);
    bool opened = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        opened = dialog->findChild<QListWidget *>(u"employeeList"_s)->count() == 0;
        dialog->findChild<QPushButton *>(u"runButton"_s)->click();
    });
    BreakOccurrenceDialog::run(fx.db(), fx.prompter, fx.clock, values, nullptr);

    QVERIFY(opened);
    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QVERIFY(!fx.reportExists());
}

void TestBreakOccurrenceReport::equalNamesInList()
{
    ReportFixture fx;
    seed(fx);
    fx.clock.set(QDateTime(QDate(2026, 3, 9), QTime(12, 0)));
    const StartupValues values = breakSettings(u"1"_s);
    whenDialogOpens(this, [&](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        const QList<QListWidgetItem *> second = list->findItems(u"Sam (8)"_s, Qt::MatchExactly);
        QCOMPARE(second.size(), 1);
        list->setCurrentItem(second.first());
        QVERIFY(ReportFixture::viewedAfterClick(dialog->findChild<QPushButton *>(u"runButton"_s)));
    });
    BreakOccurrenceDialog::run(fx.db(), fx.prompter, fx.clock, values, nullptr);

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QCOMPARE(fx.report(), frame("Sam", "03/09/26", "03/09/26") + incompleteHead + "\r\n</table>" +
                              oneADayHead +
                              row("03/09/26|Lunch|11:00:00|11:45:00|0 hours,45 minutes"));
}

QTEST_MAIN(TestBreakOccurrenceReport)
#include "tst_breakoccurrencereport.moc"
