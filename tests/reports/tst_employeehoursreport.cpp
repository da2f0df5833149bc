#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "WhenModal.h"
#include "reports/core/EmployeeHoursReport.h"
#include "reports/gui/EmployeeHoursDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString zoe = u"Zo\u00eb <O'Brien> & \"Co\""_s;

// Ann's March (card 1): complete days, a day with two log-ins, log-ins without a
// log-out, a shift past midnight, a log-out before the log-in, one across midnight in the
// sums; then another year, other employees, two called Sam, and leftovers in the old
// work tables.
void seed(ReportFixture &fx)
{
    const QStringList ann = {
        u"03/02/26 08:45:10 IN"_s,  u"03/02/26 17:15:00 OUT"_s, u"03/03/26 08:00:00 IN"_s,
        u"03/03/26 12:30:00 IN"_s,  u"03/03/26 16:10:00 OUT"_s, u"03/04/26 08:00:00 IN"_s,
        u"03/04/26 09:00:00 IN"_s,  u"03/05/26 22:00:00 IN"_s,  u"03/06/26 06:00:00 OUT"_s,
        u"03/09/26 22:00:00 IN"_s,  u"03/09/26 06:00:00 OUT"_s, u"03/10/26 09:30:00 IN"_s,
        u"03/10/26 09:10:00 OUT"_s, u"03/15/25 08:00:00 IN"_s,  u"03/15/25 17:00:00 OUT"_s,
        u"12/31/25 08:00:00 IN"_s,  u"12/31/25 16:00:00 OUT"_s, u"01/02/26 07:00:00 OUT"_s};
    for (const QString &line : ann) {
        const QStringList parts = line.split(u' ');
        fx.addClocking(parts[0], parts[1], u"Ann"_s, parts[2], u"1"_s);
    }
    fx.addClocking(u"03/02/26"_s, u"07:00:00"_s, u"Bob"_s, u"IN"_s, u"2"_s);
    fx.addClocking(u"03/11/26"_s, u"09:00:00"_s, zoe, u"IN"_s, u"3"_s);
    fx.addClocking(u"03/11/26"_s, u"17:30:00"_s, zoe, u"OUT"_s, u"3"_s);
    fx.addClocking(u"03/02/26"_s, u"08:00:00"_s, u"Sam"_s, u"IN"_s, u"7"_s);
    fx.addClocking(u"03/02/26"_s, u"16:00:00"_s, u"Sam"_s, u"OUT"_s, u"7"_s);
    fx.addClocking(u"03/02/26"_s, u"09:00:00"_s, u"Sam"_s, u"IN"_s, u"8"_s);
    fx.addClocking(u"03/02/26"_s, u"17:30:00"_s, u"Sam"_s, u"OUT"_s, u"8"_s);
    fx.addClocking(u"03/03/26"_s, u"09:00:00"_s, u"Sam"_s, u"IN"_s, u"8"_s);
    fx.db().exec(u"insert into i (dt,e) values ('03/20/26','0')"_s);
    fx.db().exec(u"insert into o (dt,e) values ('03/21/26','0')"_s);
}

QByteArray frame(const QByteArray &employee, const QByteArray &start, const QByteArray &end)
{
    return ReportFixture::frame("::Working hours for " + employee + " for " + start + " to " + end +
                                    "::",
                                "Working hours  for " + employee + " for " + start + " to " + end,
                                ReportFixture::worksFor());
}

QByteArray dateList(const QByteArray &heading, const QList<QByteArray> &dates)
{
    QByteArray list = "\r\n<p><strong>:: " + heading +
                      " ::</strong></p>\r\n<table width=100 border=1>\r\n<tr>"
                      "\r\n<th width=115 scope=col>Date</th>";
    for (const QByteArray &date : dates)
        list += "\r\n<tr>\r\n<td>" + date + "</td>";
    return list + "\r\n</table>";
}

// "date|hours" per valid day.
QByteArray validDays(const QList<QByteArray> &days)
{
    QByteArray table = "\r\n<p><strong>:: Valid Day's ::</strong></p>"
                       "\r\n<table width=250 border=1>\r\n<tr>"
                       "\r\n<th width=115 scope=col>Date</th>"
                       "\r\n<th width=200 scope=col>Hours </th>\r\n</tr>";
    for (const QByteArray &day : days)
        table += ReportFixture::row(day.split('|'));
    return table + "\r\n</table>";
}

} // namespace

class TestEmployeeHoursReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A date listed once per clocking, a day paired from other than its earliest
    // clockings, a shift past midnight paired, another employee's (of the same name
    // too) or another year's clockings counted, a renamed employee's earlier clockings
    // missed, a year end missed, old work-table rows listed, a close added or missing,
    // or a value not escaped.
    void page_data();
    void page();
    // No employee chosen: the previous page must stay as it was.
    void noEmployee();
    // The list is filled on opening, the run writes the chosen employee's page and shows
    // it, and a run without a choice is refused.
    void dialog();
    // Two employees of one name: the list tells them apart and each gives only their
    // own page.
    void equalNamesInList();
};

void TestEmployeeHoursReport::page_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QByteArray>("written");

    const QDate march1(2026, 3, 1);
    const QDate march31(2026, 3, 31);
    const QByteArray nothing =
        dateList("Missing Log-in's", {}) + dateList("Missing Log-out's", {}) + validDays({});
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        // The engine matters to ranges, order and stored text; the rest runs once.
        const bool once = engine == u"sqlite"_s;
        QTest::addRow("%s: a month", e.constData())
            << engine << u"Ann"_s << u"1"_s << march1 << march31
            << frame("Ann", "03/01/26", "03/31/26") + dateList("Missing Log-in's", {"03/06/26"}) +
                   dateList("Missing Log-out's", {"03/04/26", "03/05/26"}) +
                   validDays({"03/02/26|8 hours,30 minutes", "03/03/26|8 hours,10 minutes",
                              "03/09/26|8 hours,0 minutes", "03/10/26|23 hours,40 minutes"});
        QTest::addRow("%s: across the year end", e.constData())
            << engine << u"Ann"_s << u"1"_s << QDate(2025, 12, 15) << QDate(2026, 1, 15)
            << frame("Ann", "12/15/25", "01/15/26") + dateList("Missing Log-in's", {"01/02/26"}) +
                   dateList("Missing Log-out's", {}) + validDays({"12/31/25|8 hours,0 minutes"});
        if (once)
            QTest::addRow("%s: no clockings", e.constData())
                << engine << u"Ann"_s << u"1"_s << QDate(2026, 4, 1) << QDate(2026, 4, 30)
                << frame("Ann", "04/01/26", "04/30/26") + nothing;
        QTest::addRow("%s: start after end", e.constData())
            << engine << u"Ann"_s << u"1"_s << march31 << march1
            << frame("Ann", "03/31/26", "03/01/26") + nothing;
        if (once)
            QTest::addRow("%s: escaped name", e.constData())
                << engine << zoe << u"3"_s << march1 << march31
                << frame("Zo\xc3\xab &lt;O'Brien&gt; &amp; &quot;Co&quot;", "03/01/26",
                         "03/31/26") +
                       dateList("Missing Log-in's", {}) + dateList("Missing Log-out's", {}) +
                       validDays({"03/11/26|8 hours,30 minutes"});
        QTest::addRow("%s: Sam of card 7", e.constData())
            << engine << u"Sam"_s << u"7"_s << march1 << march31
            << frame("Sam", "03/01/26", "03/31/26") + dateList("Missing Log-in's", {}) +
                   dateList("Missing Log-out's", {}) + validDays({"03/02/26|8 hours,0 minutes"});
        QTest::addRow("%s: Sam of card 8", e.constData())
            << engine << u"Sam"_s << u"8"_s << march1 << march31
            << frame("Sam", "03/01/26", "03/31/26") + dateList("Missing Log-in's", {}) +
                   dateList("Missing Log-out's", {"03/03/26"}) +
                   validDays({"03/02/26|8 hours,30 minutes"});
        if (once)
            QTest::addRow("%s: renamed since", e.constData())
                << engine << u"Ann Smith"_s << u"1"_s << QDate(2025, 12, 15) << QDate(2026, 1, 15)
                << frame("Ann Smith", "12/15/25", "01/15/26") +
                       dateList("Missing Log-in's", {"01/02/26"}) +
                       dateList("Missing Log-out's", {}) +
                       validDays({"12/31/25|8 hours,0 minutes"});
    }
}

void TestEmployeeHoursReport::page()
{
    QFETCH(QString, employee);
    QFETCH(QString, card);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QByteArray, written);
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);

    QVERIFY(EmployeeHoursReport(fx.db(), fx.prompter).run({employee, card, start, end}));

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QCOMPARE(fx.report(), written);
}

void TestEmployeeHoursReport::noEmployee()
{
    ReportFixture fx;
    seed(fx);
    fx.home().write(u"report.html"_s, "previous page");
    fx.prompter.expectMessage(u"Error!"_s, u"Please select an employee before continuing"_s,
                              PromptIcon::Error);

    QVERIFY(!EmployeeHoursReport(fx.db(), fx.prompter)
                 .run({QString(), QString(), QDate(2026, 3, 1), QDate(2026, 3, 31)}));

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(fx.report(), QByteArray("previous page"));
}

void TestEmployeeHoursReport::dialog()
{
    ReportFixture fx;
    seed(fx);
    fx.addEmployee(u"bob"_s, u"2"_s);
    fx.addEmployee(u"Ann"_s, u"1"_s);
    fx.clock.set(QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    fx.prompter.expectMessage(u"Error!"_s, u"Please select an employee before continuing"_s,
                              PromptIcon::Error);
    QString title;
    QStringList names;
    bool viewed = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        title = dialog->windowTitle();
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        auto *run = dialog->findChild<QPushButton *>(u"runButton"_s);
        QCOMPARE(run->text(), u"Run Report!"_s);
        run->click();
        QVERIFY(!fx.reportExists());

        list->setCurrentRow(0);
        viewed = ReportFixture::viewedAfterClick(run).has_value();
    });
    EmployeeHoursDialog::run(fx.db(), fx.prompter, fx.clock, nullptr);

    QVERIFY(fx.prompter.scriptDone());
    QCOMPARE(title, u":: Employee Hours ::"_s);
    QCOMPARE(names, (QStringList{u"Ann"_s, u"bob"_s}));
    QVERIFY(viewed);
    QCOMPARE(fx.report(), frame("Ann", "03/02/26", "03/02/26") + dateList("Missing Log-in's", {}) +
                              dateList("Missing Log-out's", {}) +
                              validDays({"03/02/26|8 hours,30 minutes"}));
}

void TestEmployeeHoursReport::equalNamesInList()
{
    ReportFixture fx;
    seed(fx);
    fx.addEmployee(u"Sam"_s, u"8"_s);
    fx.addEmployee(u"Ann"_s, u"1"_s);
    fx.addEmployee(u"Sam"_s, u"7"_s);
    fx.clock.set(QDateTime(QDate(2026, 3, 2), QTime(12, 0)));
    QStringList names;
    whenDialogOpens(this, [&](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        list->setCurrentRow(2);
        QVERIFY(ReportFixture::viewedAfterClick(dialog->findChild<QPushButton *>(u"runButton"_s)));
    });
    EmployeeHoursDialog::run(fx.db(), fx.prompter, fx.clock, nullptr);

    QCOMPARE(names, (QStringList{u"Ann"_s, u"Sam (7)"_s, u"Sam (8)"_s}));
    QCOMPARE(fx.report(), frame("Sam", "03/02/26", "03/02/26") + dateList("Missing Log-in's", {}) +
                              dateList("Missing Log-out's", {}) +
                              validDays({"03/02/26|8 hours,30 minutes"}));
}

QTEST_MAIN(TestEmployeeHoursReport)
#include "tst_employeehoursreport.moc"
