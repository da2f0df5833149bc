#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/AuditTrailReport.h"
#include "reports/core/WhoIsInReport.h"
#include "store/AuditTrail.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

void setState(Database &db, const QString &card, const QString &state)
{
    db.exec(u"insert into locked (cardnum,locked) values (?,?)"_s, {card, state});
}

// An audit row made at `time` on `date` by the station's timer or a supervisor.
void audit(Database &db, const QDate &date, const QString &time, AuditTrail::Kind kind,
           const QString &supervisor = {}, const QString &before = {}, const QString &after = {})
{
    FixedClock clock(QDateTime(date, QTime::fromString(time, u"HH:mm:ss"_s)));
    AuditTrail trail(db, clock, u"desk-1"_s);
    if (supervisor.isEmpty()) {
        trail.appendAutomatic(kind, before, after);
        return;
    }
    trail.setSupervisor(supervisor);
    trail.append(kind, before, after);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestWhoIsIn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // An employee who clocked out listed as in; a stay dated from an older log-in, from
    // a global log-in that came before the employee's own log-out, or not dated at all
    // when the log-in was everyone's at once; a running break not shown or shown by the
    // wrong name.
    void mixOfClockingsAndBreaks_data() { TestDatabase::addEngineRows(); }
    void mixOfClockingsAndBreaks();
    // An export that loses a quote or a comma of a name, or writes nothing without
    // saying so.
    void exportsCsv_data() { TestDatabase::addEngineRows(); }
    void exportsCsv();
    // The audit trail report showing rows outside the period (a year apart sorts
    // between by its text), of another kind, or out of the order they were written.
    void auditTrailByPeriodAndKind_data();
    void auditTrailByPeriodAndKind();
};

void TestWhoIsIn::mixOfClockingsAndBreaks()
{
    CHRONEL_REPORT_FIXTURE(fx);
    Database &db = fx.db();
    const QDate today(2026, 3, 14);
    const QDate yesterday = today.addDays(-1);
    for (const auto &[name, card] : {std::pair{u"Ann"_s, u"1"_s},
                                     {u"Bob"_s, u"2"_s},
                                     {u"Cy"_s, u"3"_s},
                                     {u"Dee"_s, u"4"_s},
                                     {u"Eve"_s, u"5"_s}})
        fx.addEmployee(name, card);
    // Everyone was logged in at six and again at seven. Ann went out for a moment and
    // is at lunch now.
    fx.addClocking(u"03/14/26"_s, u"07:30:00"_s, u"Ann"_s, u"OUT"_s, u"1"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s, u"1"_s);
    setState(db, u"1"_s, u"1"_s);
    // Bob has gone.
    fx.addClocking(u"03/14/26"_s, u"12:00:00"_s, u"Bob"_s, u"OUT"_s, u"2"_s);
    setState(db, u"2"_s, u"0"_s);
    // Cy left yesterday.
    fx.addClocking(u"03/13/26"_s, u"08:00:00"_s, u"Cy"_s, u"IN"_s, u"3"_s);
    fx.addClocking(u"03/13/26"_s, u"16:00:00"_s, u"Cy"_s, u"OUT"_s, u"3"_s);
    setState(db, u"3"_s, u"1"_s);
    // Dee never clocked out yesterday: the timer logged her out.
    fx.addClocking(u"03/13/26"_s, u"08:00:00"_s, u"Dee"_s, u"IN"_s, u"4"_s);
    setState(db, u"4"_s, u"1"_s);
    // Eve went out and came back; now on her second break.
    fx.addClocking(u"03/14/26"_s, u"10:00:00"_s, u"Eve"_s, u"OUT"_s, u"5"_s);
    fx.addClocking(u"03/14/26"_s, u"11:00:00"_s, u"Eve"_s, u"IN"_s, u"5"_s);
    setState(db, u"5"_s, u"1"_s);

    audit(db, yesterday, u"18:00:00"_s, AuditTrail::Kind::AutomaticLogOut);
    audit(db, today, u"06:00:00"_s, AuditTrail::Kind::ForcedLogIn, u"ADMIN"_s);
    audit(db, today, u"07:00:00"_s, AuditTrail::Kind::AutomaticLogIn);

    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values "
            "('1','1','0','0'),('2','2','1','0'),('3','2','0','0'),('5','2','1','0')"_s);

    const ReportTable table = WhoIsInReport(db, fx.prompter, {u"Lunch"_s, u"-"_s, u"-"_s}).table();
    QCOMPARE(table.headings(),
             (QStringList{u"Employee"_s, u"Clocked in since"_s, u"On a break"_s}));
    const QList<QStringList> expected = {
        {u"Ann"_s, u"03/14/26 08:00:00"_s, u"Lunch"_s},
        {u"Cy"_s, u"03/14/26 06:00:00"_s, u"No"_s},
        {u"Dee"_s, u"03/14/26 06:00:00"_s, u"No"_s},
        {u"Eve"_s, u"03/14/26 11:00:00"_s, u"Break 2"_s},
    };
    QCOMPARE(table.rows, expected);

    // The page lists the same people.
    QVERIFY(WhoIsInReport(db, fx.prompter, {u"Lunch"_s, u"-"_s, u"-"_s}).run());
    const QString page = QString::fromUtf8(fx.report());
    QVERIFY(page.contains(u"<td>Eve</td>"_s));
    QVERIFY(!page.contains(u"<td>Bob</td>"_s));
}

void TestWhoIsIn::exportsCsv()
{
    CHRONEL_REPORT_FIXTURE(fx);
    fx.addEmployee(u"O'Hara, \"Jo\""_s, u"7"_s);
    fx.addEmployee(u"Zoë"_s, u"8"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"O'Hara, \"Jo\""_s, u"IN"_s, u"7"_s);
    setState(fx.db(), u"7"_s, u"1"_s);
    setState(fx.db(), u"8"_s, u"1"_s);
    WhoIsInReport report(fx.db(), fx.prompter, {});

    const QString path = fx.home().file(u"in.csv"_s);
    QVERIFY(report.exportCsv(path));
    QCOMPARE(readFile(path), u"Employee,Clocked in since,On a break\r\n"
                             "\"O'Hara, \"\"Jo\"\"\",03/14/26 08:00:00,No\r\n"
                             "Zoë,-,No\r\n"_s);

    const QString nowhere = fx.home().file(u"missing/in.csv"_s);
    fx.prompter.expectError();
    QVERIFY(!report.exportCsv(nowhere));
    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QVERIFY(fx.prompter.seen().last().text.startsWith(u"The report could not be exported to "_s +
                                                      QDir::toNativeSeparators(nowhere)));
}

void TestWhoIsIn::auditTrailByPeriodAndKind_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("afterValues"); // the rows found, by their after value
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        QTest::newRow(e + " one day, every kind")
            << engine << QDate(2026, 3, 14) << QDate(2026, 3, 14) << QString()
            << QStringList{u"Ann B"_s, u"07:30:00"_s, u"Cy"_s};
        QTest::newRow(e + " across the year end")
            << engine << QDate(2025, 12, 20) << QDate(2026, 1, 10) << QString()
            << QStringList{u"Dec"_s, u"Jan"_s};
        QTest::newRow(e + " one kind") << engine << QDate(2025, 1, 1) << QDate(2026, 12, 31)
                                       << u"employee updated"_s << QStringList{u"Ann B"_s};
        QTest::newRow(e + " nothing")
            << engine << QDate(2026, 3, 15) << QDate(2026, 3, 20) << QString() << QStringList();
    }
}

void TestWhoIsIn::auditTrailByPeriodAndKind()
{
    CHRONEL_REPORT_FIXTURE(fx);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, kind);
    QFETCH(QStringList, afterValues);
    Database &db = fx.db();
    const QDate day(2026, 3, 14);
    audit(db, QDate(2025, 12, 24), u"10:00:00"_s, AuditTrail::Kind::EmployeeAdded, u"ADMIN"_s, {},
          u"Dec"_s);
    audit(db, QDate(2026, 1, 2), u"10:00:00"_s, AuditTrail::Kind::EmployeeAdded, u"ADMIN"_s, {},
          u"Jan"_s);
    audit(db, day, u"11:00:00"_s, AuditTrail::Kind::EmployeeDeleted, u"ADMIN"_s, u"Cy"_s, u"Cy"_s);
    audit(db, day, u"09:00:00"_s, AuditTrail::Kind::EmployeeChanged, u"ADMIN"_s, u"Ann"_s,
          u"Ann B"_s);
    audit(db, day, u"10:00:00"_s, AuditTrail::Kind::ProgramOptions, u"BOSS"_s, u"07:00:00"_s,
          u"07:30:00"_s);
    audit(db, QDate(2027, 3, 14), u"10:00:00"_s, AuditTrail::Kind::EmployeeChanged, u"ADMIN"_s, {},
          u"a year later"_s);

    AuditTrailReport report(db, fx.prompter);
    const ReportTable table = report.table({start, end, kind});
    QStringList found;
    for (const QStringList &row : table.rows)
        found << row.last();
    QCOMPARE(found, afterValues);
    if (!afterValues.isEmpty()) {
        QCOMPARE(table.rows.first().mid(0, 6).join(u'|'),
                 afterValues.first() == u"Dec"_s
                     ? u"12/24/25|10:00:00|desk-1|ADMIN|employee added|"_s
                     : u"03/14/26|09:00:00|desk-1|ADMIN|employee updated|Ann"_s);
        QVERIFY(report.run({start, end, kind}));
    } else {
        fx.prompter.expectMessage(u"Results"_s, u"There are no results for the period specified"_s,
                                  PromptIcon::Information);
        QVERIFY(!report.run({start, end, kind}));
        QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    }
}

QTEST_MAIN(TestWhoIsIn)
#include "tst_whoisin.moc"
