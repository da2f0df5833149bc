#include "QuietWarnings.h"
#include "reports/core/WorkPeriods.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "MM/dd/yy HH:MM:SS TYPE" per punch.
QList<WorkPeriods::Punch> punches(const QStringList &lines)
{
    QList<WorkPeriods::Punch> all;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        all.append({parts.value(0), parts.value(1), parts.value(2)});
    }
    return all;
}

// "MM/dd/yy start end" per break.
QList<WorkPeriods::Break> breaks(const QStringList &lines)
{
    QList<WorkPeriods::Break> all;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        all.append({parts.value(0), parts.value(1), parts.value(2)});
    }
    return all;
}

QString clock(const QTime &time)
{
    return time.isNull() ? u"?"_s : time.toString(u"HH:mm"_s);
}

// "yyyy-MM-dd first-last worked/breaks/paid", "!" for an incomplete day.
QStringList dayTexts(const QList<WorkPeriods::Day> &days)
{
    QStringList texts;
    for (const WorkPeriods::Day &day : days)
        texts << u"%1 %2-%3 %4/%5/%6%7"_s
                     .arg(day.date.toString(Qt::ISODate), clock(day.firstIn), clock(day.lastOut))
                     .arg(day.workedMinutes)
                     .arg(day.breakMinutes)
                     .arg(day.paidMinutes)
                     .arg(day.incomplete ? u" !"_s : QString());
    return texts;
}

QStringList incompleteTexts(const QList<WorkPeriods::Incomplete> &incomplete)
{
    static const char *const gaps[] = {"no OUT", "no IN", "open break"};
    QStringList texts;
    for (const WorkPeriods::Incomplete &loose : incomplete)
        texts << loose.when.toString(u"yyyy-MM-dd HH:mm "_s) +
                     QString::fromLatin1(gaps[int(loose.gap)]);
    return texts;
}

} // namespace

class TestWorkPeriods : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Paid minutes worked out by hand: a night shift split at midnight, a far-away punch
    // taken for a partner, the clock change nights counted by the wall clock, breaks
    // not taken off or taken from the wrong shift, rounding that goes the wrong way at a
    // tie or loses the date at midnight.
    void pairing_data();
    void pairing();

    // Overtime of a week counted over the whole period, or weeks begun on Sunday.
    void weeks_data();
    void weeks();

    // Two-digit years read as the 1900s, or typed times with one digit refused.
    void storedTexts_data();
    void storedTexts();
};

void TestWorkPeriods::pairing_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("breaksTaken");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<bool>("unpaidBreaks");
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QStringList>("incomplete");

    const QStringList none;
    QTest::newRow("day shift") << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 16:30:59 OUT"_s}
                               << none << 0 << true
                               << QStringList{u"2026-03-02 08:00-16:30 510/0/510"_s} << none;
    QTest::newRow("night shift across midnight")
        << QStringList{u"03/13/26 22:00:00 IN"_s, u"03/14/26 06:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-03-13 22:00-06:00 480/0/480"_s} << none;
    QTest::newRow("night shift across a month end")
        << QStringList{u"04/30/26 22:00:00 IN"_s, u"05/01/26 06:30:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-04-30 22:00-06:30 510/0/510"_s} << none;
    QTest::newRow("night shift across a year end")
        << QStringList{u"12/31/25 21:00:00 IN"_s, u"01/01/26 05:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2025-12-31 21:00-05:00 480/0/480"_s} << none;
    QTest::newRow("entered out of order")
        << QStringList{u"01/01/26 05:00:00 OUT"_s, u"12/31/25 21:00:00 IN"_s} << none << 0 << true
        << QStringList{u"2025-12-31 21:00-05:00 480/0/480"_s} << none;
    QTest::newRow("split shift") << QStringList{u"03/02/26 06:00:00 IN"_s,
                                                u"03/02/26 10:00:00 OUT"_s,
                                                u"03/02/26 16:00:00 IN"_s,
                                                u"03/02/26 20:30:00 OUT"_s}
                                 << none << 0 << true
                                 << QStringList{u"2026-03-02 06:00-20:30 510/0/510"_s} << none;
    QTest::newRow("night shift and a day shift after it")
        << QStringList{u"03/02/26 22:00:00 IN"_s, u"03/03/26 06:00:00 OUT"_s,
                       u"03/03/26 22:00:00 IN"_s, u"03/04/26 06:00:00 OUT"_s}
        << none << 0 << true
        << QStringList{u"2026-03-02 22:00-06:00 480/0/480"_s, u"2026-03-03 22:00-06:00 480/0/480"_s}
        << none;
    QTest::newRow("missing OUT") << QStringList{u"03/02/26 08:00:00 IN"_s,
                                                u"03/03/26 08:00:00 IN"_s,
                                                u"03/03/26 16:00:00 OUT"_s}
                                 << none << 0 << true
                                 << QStringList{u"2026-03-02 08:00-? 0/0/0 !"_s,
                                                u"2026-03-03 08:00-16:00 480/0/480"_s}
                                 << QStringList{u"2026-03-02 08:00 no OUT"_s};
    QTest::newRow("missing IN") << QStringList{u"03/02/26 16:00:00 OUT"_s,
                                               u"03/03/26 08:00:00 IN"_s,
                                               u"03/03/26 12:00:00 OUT"_s}
                                << none << 0 << true
                                << QStringList{u"2026-03-02 ?-16:00 0/0/0 !"_s,
                                               u"2026-03-03 08:00-12:00 240/0/240"_s}
                                << QStringList{u"2026-03-02 16:00 no IN"_s};
    QTest::newRow("a 20-hour gap is two incomplete punches")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/03/26 04:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-03-02 08:00-? 0/0/0 !"_s, u"2026-03-03 ?-04:00 0/0/0 !"_s}
        << QStringList{u"2026-03-02 08:00 no OUT"_s, u"2026-03-03 04:00 no IN"_s};
    QTest::newRow("exactly the limit still pairs")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/03/26 00:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-03-02 08:00-00:00 960/0/960"_s} << none;
    QTest::newRow("clocks go forward in the night")
        << QStringList{u"03/28/26 22:00:00 IN"_s, u"03/29/26 06:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-03-28 22:00-06:00 420/0/420"_s} << none;
    QTest::newRow("clocks go back in the night")
        << QStringList{u"10/24/26 22:00:00 IN"_s, u"10/25/26 06:00:00 OUT"_s} << none << 0 << true
        << QStringList{u"2026-10-24 22:00-06:00 540/0/540"_s} << none;
    QTest::newRow("unpaid break taken off")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 16:30:00 OUT"_s}
        << QStringList{u"03/02/26 12:00:00 12:30:00"_s} << 0 << true
        << QStringList{u"2026-03-02 08:00-16:30 510/30/480"_s} << none;
    QTest::newRow("paid break kept")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 16:30:00 OUT"_s}
        << QStringList{u"03/02/26 12:00:00 12:30:00"_s} << 0 << false
        << QStringList{u"2026-03-02 08:00-16:30 510/30/510"_s} << none;
    QTest::newRow("break past midnight in a night shift")
        << QStringList{u"03/02/26 22:00:00 IN"_s, u"03/03/26 06:00:00 OUT"_s}
        << QStringList{u"03/02/26 23:50:00 00:20:00"_s} << 0 << true
        << QStringList{u"2026-03-02 22:00-06:00 480/30/450"_s} << none;
    QTest::newRow("break after midnight counts for the shift's date")
        << QStringList{u"03/02/26 22:00:00 IN"_s, u"03/03/26 06:00:00 OUT"_s}
        << QStringList{u"03/03/26 02:00:00 02:15:00"_s} << 0 << true
        << QStringList{u"2026-03-02 22:00-06:00 480/15/465"_s} << none;
    QTest::newRow("break outside every shift")
        << QStringList{u"03/02/26 08:00:00 IN"_s, u"03/02/26 12:00:00 OUT"_s}
        << QStringList{u"03/02/26 12:30:00 13:00:00"_s} << 0 << true
        << QStringList{u"2026-03-02 08:00-12:00 240/0/240"_s} << none;
    QTest::newRow("open break") << QStringList{u"03/02/26 08:00:00 IN"_s,
                                               u"03/02/26 16:00:00 OUT"_s}
                                << QStringList{u"03/02/26 12:00:00 -"_s} << 0 << true
                                << QStringList{u"2026-03-02 08:00-16:00 480/0/480 !"_s}
                                << QStringList{u"2026-03-02 12:00 open break"_s};
    QTest::newRow("to the nearest 15 minutes")
        << QStringList{u"03/02/26 08:07:59 IN"_s, u"03/02/26 16:08:00 OUT"_s} << none << 15 << true
        << QStringList{u"2026-03-02 08:00-16:15 495/0/495"_s} << none;
    QTest::newRow("a tie to 10 minutes goes up")
        << QStringList{u"03/02/26 08:05:00 IN"_s, u"03/02/26 16:04:00 OUT"_s} << none << 10 << true
        << QStringList{u"2026-03-02 08:10-16:00 470/0/470"_s} << none;
    QTest::newRow("to the nearest 5 minutes")
        << QStringList{u"03/02/26 07:57:00 IN"_s, u"03/02/26 16:03:00 OUT"_s} << none << 5 << true
        << QStringList{u"2026-03-02 07:55-16:05 490/0/490"_s} << none;
    QTest::newRow("rounded up to midnight")
        << QStringList{u"03/02/26 15:07:00 IN"_s, u"03/02/26 23:53:00 OUT"_s} << none << 15 << true
        << QStringList{u"2026-03-02 15:00-00:00 540/0/540"_s} << none;
}

void TestWorkPeriods::pairing()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, breaksTaken);
    QFETCH(int, rounding);
    QFETCH(bool, unpaidBreaks);
    QFETCH(QStringList, days);
    QFETCH(QStringList, incomplete);
    WorkPeriods::Rules rules;
    rules.unpaidBreaks = unpaidBreaks;
    rules.roundingMinutes = rounding;
    rules.zone = QTimeZone("Europe/Berlin");
    QVERIFY(rules.zone.isValid());

    const WorkPeriods periods(punches(log), breaks(breaksTaken), rules);

    QCOMPARE(dayTexts(periods.days(QDate(2025, 1, 1), QDate(2027, 12, 31))), days);
    QCOMPARE(incompleteTexts(periods.incomplete()), incomplete);
}

void TestWorkPeriods::weeks_data()
{
    QTest::addColumn<QStringList>("paidDays"); // "yyyy-MM-dd minutes"
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QStringList>("expected"); // "monday paid overtime"

    QTest::newRow("Sunday ends the week, Monday starts the next")
        << QStringList{u"2026-03-02 600"_s, u"2026-03-03 600"_s, u"2026-03-04 600"_s,
                       u"2026-03-05 600"_s, u"2026-03-08 300"_s, u"2026-03-09 600"_s}
        << 2400 << QStringList{u"2026-03-02 2700 300"_s, u"2026-03-09 600 0"_s};
    QTest::newRow("under the threshold") << QStringList{u"2026-03-02 480"_s, u"2026-03-03 480"_s}
                                         << 2400 << QStringList{u"2026-03-02 960 0"_s};
    QTest::newRow("a week across a year end")
        << QStringList{u"2026-12-31 1200"_s, u"2027-01-01 1200"_s, u"2027-01-03 60"_s} << 2250
        << QStringList{u"2026-12-28 2460 210"_s};
}

void TestWorkPeriods::weeks()
{
    QFETCH(QStringList, paidDays);
    QFETCH(int, threshold);
    QFETCH(QStringList, expected);
    QList<WorkPeriods::Day> days;
    for (const QString &line : paidDays) {
        WorkPeriods::Day day;
        day.date = QDate::fromString(line.section(u' ', 0, 0), Qt::ISODate);
        day.paidMinutes = line.section(u' ', 1, 1).toInt();
        days << day;
    }

    QStringList texts;
    for (const WorkPeriods::Week &week : WorkPeriods::weeks(days, threshold))
        texts << u"%1 %2 %3"_s.arg(week.monday.toString(Qt::ISODate))
                     .arg(week.paidMinutes)
                     .arg(week.overtimeMinutes);
    QCOMPARE(texts, expected);
}

void TestWorkPeriods::storedTexts_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QDate>("expectedDate");
    QTest::addColumn<QTime>("expectedTime");

    QTest::newRow("station's") << u"03/02/26"_s << u"08:05:09"_s << QDate(2026, 3, 2)
                               << QTime(8, 5, 9);
    QTest::newRow("typed with one digit")
        << u"12/31/99"_s << u"8:0:0"_s << QDate(2099, 12, 31) << QTime(8, 0);
    QTest::newRow("unreadable") << u"2026-03-02"_s << u"8h"_s << QDate() << QTime();
}

void TestWorkPeriods::storedTexts()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QDate, expectedDate);
    QFETCH(QTime, expectedTime);
    QCOMPARE(WorkPeriods::dateOf(date), expectedDate);
    QCOMPARE(WorkPeriods::timeOf(time), expectedTime);
}

QTEST_GUILESS_MAIN(TestWorkPeriods)
#include "tst_workperiods.moc"
