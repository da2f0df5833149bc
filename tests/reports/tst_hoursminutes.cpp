#include "QuietWarnings.h"
#include "reports/core/HoursMinutes.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHoursMinutes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Minutes not borrowed, midnight not wrapped, seconds counted, or a hand-typed time
    // without leading zeros misread.
    void between_data();
    void between();
    // Minutes of a total not carried into its hours, or its hours wrapped like a span.
    void sum_data();
    void sum();
};

void TestHoursMinutes::between_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("text");

    QTest::newRow("within the hour") << u"10:50:00"_s << u"11:10:00"_s << u"0 hours,20 minutes"_s;
    QTest::newRow("past midnight") << u"23:50:00"_s << u"00:10:00"_s << u"0 hours,20 minutes"_s;
    QTest::newRow("equal") << u"09:00:00"_s << u"09:00:00"_s << u"0 hours,0 minutes"_s;
    QTest::newRow("borrowed minutes") << u"08:45:10"_s << u"17:15:00"_s << u"8 hours,30 minutes"_s;
    QTest::newRow("night shift") << u"22:00:00"_s << u"06:00:00"_s << u"8 hours,0 minutes"_s;
    QTest::newRow("borrow, then wrap")
        << u"09:30:00"_s << u"09:10:00"_s << u"23 hours,40 minutes"_s;
    QTest::newRow("one minute to midnight")
        << u"23:59:59"_s << u"00:00:00"_s << u"0 hours,1 minutes"_s;
    QTest::newRow("seconds ignored") << u"08:00:59"_s << u"08:01:00"_s << u"0 hours,1 minutes"_s;
    QTest::newRow("no leading zeros") << u"9:5:0"_s << u"10:0:0"_s << u"0 hours,55 minutes"_s;
    QTest::newRow("empty start") << QString() << u"08:30:00"_s << u"8 hours,30 minutes"_s;
    QTest::newRow("doubled colon") << u"08::15:00"_s << u"09:20:00"_s << u"1 hours,5 minutes"_s;
}

void TestHoursMinutes::between()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, text);
    QCOMPARE(HoursMinutes::between(start, end).text(), text);
}

void TestHoursMinutes::sum_data()
{
    QTest::addColumn<QList<int>>("minutes");
    QTest::addColumn<QString>("text");

    QTest::newRow("40 and 30") << QList<int>{40, 30} << u"1 hours,10 minutes"_s;
    QTest::newRow("three of 50") << QList<int>{50, 50, 50} << u"2 hours,30 minutes"_s;
    QTest::newRow("exactly an hour") << QList<int>{45, 15} << u"1 hours,0 minutes"_s;
    QTest::newRow("over a day") << QList<int>{23 * 60 + 40, 20, 10} << u"24 hours,10 minutes"_s;
    QTest::newRow("nothing") << QList<int>{0, 0} << u"0 hours,0 minutes"_s;
}

void TestHoursMinutes::sum()
{
    QFETCH(QList<int>, minutes);
    QFETCH(QString, text);
    HoursMinutes total;
    for (int span : minutes)
        total = total + HoursMinutes{span / 60, span % 60};
    QCOMPARE(total.text(), text);
    QVERIFY(total.minutes < 60);
}

QTEST_GUILESS_MAIN(TestHoursMinutes)
#include "tst_hoursminutes.moc"
