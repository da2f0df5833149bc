#include "reports/core/CommandLineDates.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCommandLineDates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Both forms give the day meant; two-digit years are this century's, not the last;
    // anything that is not a real day of 2000 to 2099 in one of the forms is refused.
    void dates_data();
    void dates();
    // A month runs from its first to its last day, February of a leap year included.
    void months_data();
    void months();
};

void TestCommandLineDates::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::newRow("iso") << u"2026-03-14"_s << QDate(2026, 3, 14);
    QTest::newRow("stored form") << u"03/14/26"_s << QDate(2026, 3, 14);
    QTest::newRow("stored form, first year") << u"01/01/00"_s << QDate(2000, 1, 1);
    QTest::newRow("stored form, last year") << u"12/31/99"_s << QDate(2099, 12, 31);
    QTest::newRow("leap day") << u"02/29/28"_s << QDate(2028, 2, 29);
    QTest::newRow("no leap day") << u"2026-02-29"_s << QDate();
    QTest::newRow("day first") << u"14/03/26"_s << QDate();
    QTest::newRow("one-digit parts") << u"3/4/26"_s << QDate();
    QTest::newRow("iso without zeros") << u"2026-3-4"_s << QDate();
    QTest::newRow("four-digit year, stored form") << u"03/14/2026"_s << QDate();
    QTest::newRow("before 2000") << u"1999-12-31"_s << QDate();
    QTest::newRow("after 2099") << u"2100-01-01"_s << QDate();
    QTest::newRow("trailing blank") << u"2026-03-14 "_s << QDate();
    QTest::newRow("empty") << QString() << QDate();
}

void TestCommandLineDates::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);

    const std::optional<QDate> parsed = CommandLineDates::date(text);

    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed)
        QCOMPARE(*parsed, date);
}

void TestCommandLineDates::months_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("start"); // invalid: refused
    QTest::addColumn<QDate>("end");
    QTest::newRow("iso") << u"2026-03"_s << QDate(2026, 3, 1) << QDate(2026, 3, 31);
    QTest::newRow("stored form") << u"11/26"_s << QDate(2026, 11, 1) << QDate(2026, 11, 30);
    QTest::newRow("leap February") << u"2028-02"_s << QDate(2028, 2, 1) << QDate(2028, 2, 29);
    QTest::newRow("December") << u"12/99"_s << QDate(2099, 12, 1) << QDate(2099, 12, 31);
    QTest::newRow("month 13") << u"2026-13"_s << QDate() << QDate();
    QTest::newRow("month 0") << u"00/26"_s << QDate() << QDate();
    QTest::newRow("a day") << u"2026-03-14"_s << QDate() << QDate();
    QTest::newRow("before 2000") << u"1999-12"_s << QDate() << QDate();
}

void TestCommandLineDates::months()
{
    QFETCH(QString, text);
    QFETCH(QDate, start);
    QFETCH(QDate, end);

    const auto month = CommandLineDates::month(text);

    QCOMPARE(month.has_value(), start.isValid());
    if (month) {
        QCOMPARE(month->start, start);
        QCOMPARE(month->end, end);
    }
}

QTEST_GUILESS_MAIN(TestCommandLineDates)
#include "tst_commandlinedates.moc"
