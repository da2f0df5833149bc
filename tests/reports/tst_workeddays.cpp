#include "QuietWarnings.h"
#include "reports/core/WorkedDays.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "MM/dd/yy HH:MM:SS TYPE" per clocking.
QList<WorkedDays::Clocking> clockings(const QStringList &lines)
{
    QList<WorkedDays::Clocking> all;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        all.append({parts.value(0), parts.value(1), parts.value(2)});
    }
    return all;
}

QStringList dayTexts(const QList<WorkedDays::Day> &days)
{
    QStringList texts;
    for (const WorkedDays::Day &day : days)
        texts << day.date + u' ' + day.worked.text();
    return texts;
}

} // namespace

class TestWorkedDays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A date listed once per clocking, a day paired from a later clocking than its
    // first, a shift past midnight paired across dates, dates out of order, or another
    // kind of log row taken for a clocking.
    void pairing_data();
    void pairing();
};

void TestWorkedDays::pairing_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("missingIns");
    QTest::addColumn<QStringList>("missingOuts");
    QTest::addColumn<QStringList>("valid");

    const QStringList none;
    QTest::newRow("no clockings") << none << none << none << none;
    QTest::newRow("one day") << QStringList{u"03/02/26 08:45:10 IN"_s, u"03/02/26 17:15:00 OUT"_s}
                             << none << none << QStringList{u"03/02/26 8 hours,30 minutes"_s};
    QTest::newRow("two log-ins, one log-out")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 12:30:00 IN"_s,
                       u"03/02/26 16:10:00 OUT"_s}
        << none << none << QStringList{u"03/02/26 8 hours,10 minutes"_s};
    QTest::newRow("first of each kind")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 12:00:00 OUT"_s,
                       u"03/02/26 13:00:00 IN"_s, u"03/02/26 17:00:00 OUT"_s}
        << none << none << QStringList{u"03/02/26 4 hours,0 minutes"_s};
    QTest::newRow("log-ins only") << QStringList{u"03/03/26 08:00:00 IN"_s,
                                                 u"03/03/26 09:00:00 IN"_s}
                                  << none << QStringList{u"03/03/26"_s} << none;
    QTest::newRow("log-outs only")
        << QStringList{u"03/04/26 16:00:00 OUT"_s, u"03/04/26 17:00:00 OUT"_s}
        << QStringList{u"03/04/26"_s} << none << none;
    QTest::newRow("shift past midnight")
        << QStringList{u"03/13/26 22:00:00 IN"_s, u"03/14/26 06:00:00 OUT"_s}
        << QStringList{u"03/14/26"_s} << QStringList{u"03/13/26"_s} << none;
    QTest::newRow("log-out before log-in")
        << QStringList{u"03/05/26 06:00:00 OUT"_s, u"03/05/26 22:00:00 IN"_s} << none << none
        << QStringList{u"03/05/26 8 hours,0 minutes"_s};
    QTest::newRow("across a year end")
        << QStringList{u"12/30/25 08:00:00 IN"_s, u"12/30/25 09:30:00 OUT"_s,
                       u"12/31/25 08:00:00 IN"_s, u"01/02/26 07:00:00 OUT"_s,
                       u"01/05/26 07:00:00 IN"_s, u"01/05/26 15:00:00 OUT"_s}
        << QStringList{u"01/02/26"_s} << QStringList{u"12/31/25"_s}
        << QStringList{u"12/30/25 1 hours,30 minutes"_s, u"01/05/26 8 hours,0 minutes"_s};
    QTest::newRow("other log rows")
        << QStringList{u"03/06/26 08:00:00 in"_s, u"03/06/26 09:00:00 BREAK"_s,
                       u"03/06/26 17:00:00 OUT"_s}
        << QStringList{u"03/06/26"_s} << none << none;
}

void TestWorkedDays::pairing()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, missingIns);
    QFETCH(QStringList, missingOuts);
    QFETCH(QStringList, valid);
    const WorkedDays days(clockings(log));
    QCOMPARE(days.missingLogIns(), missingIns);
    QCOMPARE(days.missingLogOuts(), missingOuts);
    QCOMPARE(dayTexts(days.validDays()), valid);
}

QTEST_GUILESS_MAIN(TestWorkedDays)
#include "tst_workeddays.moc"
