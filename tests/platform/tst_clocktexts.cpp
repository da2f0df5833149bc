#include "platform/core/Clock.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The stored date and time texts: every other station and report reads them back.
class TestClockTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
};

void TestClockTexts::texts_data()
{
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("single digits")
        << QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)) << u"01/02/26"_s << u"03:04:05"_s;
    QTest::newRow("two digits") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                                << u"12/31/26"_s << u"23:59:59"_s;
    QTest::newRow("midnight, year 2000")
        << QDateTime(QDate(2000, 10, 10), QTime(0, 0)) << u"10/10/00"_s << u"00:00:00"_s;
    QTest::newRow("last century") << QDateTime(QDate(1999, 7, 20), QTime(12, 30, 9))
                                  << u"07/20/99"_s << u"12:30:09"_s;
    QTest::newRow("next century") << QDateTime(QDate(2105, 3, 1), QTime(9, 0, 10)) << u"03/01/05"_s
                                  << u"09:00:10"_s;
}

void TestClockTexts::texts()
{
    QFETCH(QDateTime, at);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QCOMPARE(Clock::dateText(at.date()), date);
    QCOMPARE(Clock::timeText(at.time()), time);
    // As the locale's formatting wrote them before.
    QCOMPARE(date, at.date().toString(u"MM/dd/yy"_s));
    QCOMPARE(time, at.time().toString(u"HH:mm:ss"_s));
}

QTEST_GUILESS_MAIN(TestClockTexts)
#include "tst_clocktexts.moc"
