#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/core/ReportDates.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestReportDates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Ranges compare dates, not month-first text: a year end is crossed, other years stay
    // out, a start after the end finds nothing; rows come by date, time, then entry.
    void rangeIsChronological_data();
    void rangeIsChronological();
};

void TestReportDates::rangeIsChronological_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("found");
    const QStringList yearEnd = {u"12/01/25 09:00:00 a"_s, u"12/31/25 23:59:59 b"_s,
                                 u"01/01/26 00:00:00 c"_s, u"01/01/26 00:00:00 d"_s,
                                 u"01/31/26 07:00:00 e"_s};
    const QStringList withinYear = {u"01/01/26 00:00:00 c"_s, u"01/01/26 00:00:00 d"_s,
                                    u"01/31/26 07:00:00 e"_s, u"02/01/26 08:00:00 f"_s};
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        QTest::addRow("%s: across the year end", e.constData())
            << engine << QDate(2025, 12, 1) << QDate(2026, 1, 31) << yearEnd;
        QTest::addRow("%s: within one year", e.constData())
            << engine << QDate(2026, 1, 1) << QDate(2026, 2, 28) << withinYear;
        QTest::addRow("%s: start after end", e.constData())
            << engine << QDate(2026, 1, 31) << QDate(2025, 12, 1) << QStringList();
        QTest::addRow("%s: one day", e.constData())
            << engine << QDate(2025, 12, 31) << QDate(2025, 12, 31)
            << QStringList{u"12/31/25 23:59:59 b"_s};
    }
}

void TestReportDates::rangeIsChronological()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, found);
    CHRONEL_REPORT_FIXTURE(fx);
    // Entered out of order; c and d share their second and keep their order of entry.
    fx.addClocking(u"02/01/26"_s, u"08:00:00"_s, u"f"_s, u"IN"_s);
    fx.addClocking(u"01/01/26"_s, u"00:00:00"_s, u"c"_s, u"IN"_s);
    fx.addClocking(u"12/31/25"_s, u"23:59:59"_s, u"b"_s, u"IN"_s);
    fx.addClocking(u"01/15/27"_s, u"08:00:00"_s, u"next year"_s, u"IN"_s);
    fx.addClocking(u"01/31/26"_s, u"07:00:00"_s, u"e"_s, u"IN"_s);
    fx.addClocking(u"01/01/26"_s, u"00:00:00"_s, u"d"_s, u"IN"_s);
    fx.addClocking(u"12/01/25"_s, u"09:00:00"_s, u"a"_s, u"IN"_s);
    fx.addClocking(u"01/20/25"_s, u"08:00:00"_s, u"last year"_s, u"IN"_s);

    QStringList rows;
    for (const SqlRow &row : fx.db().select(
             u"select dt,tm,employee from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
                 ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
             ReportDates::rangeValues(start, end)))
        rows << row[u"dt"_s] + u' ' + row[u"tm"_s] + u' ' + row[u"employee"_s];
    QCOMPARE(rows, found);
}

QTEST_GUILESS_MAIN(TestReportDates)
#include "tst_reportdates.moc"
