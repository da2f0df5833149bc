#include "QuietWarnings.h"
#include "reports/core/BreakOccurrences.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "MM/dd/yy number start end" per break.
QList<BreakOccurrences::Break> breaks(const QStringList &lines)
{
    QList<BreakOccurrences::Break> all;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        all.append({parts.value(0), parts.value(1), parts.value(2), parts.value(3)});
    }
    return all;
}

// Cells joined by "|", "(open)" after a line the page leaves open.
QStringList texts(const QList<BreakOccurrences::Line> &lines)
{
    QStringList all;
    for (const BreakOccurrences::Line &line : lines)
        all << line.cells.join(u'|') + (line.closed ? QString() : u" (open)"_s);
    return all;
}

} // namespace

class TestBreakOccurrences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Breaks of numbers beyond the day's count listed, the wrong break name, a later
    // break shown without its break 1, a missing break not shown as "-", a total that
    // misses a break or counts one twice, or a row closed or left open wrongly.
    void lines_data();
    void lines();
};

void TestBreakOccurrences::lines_data()
{
    QTest::addColumn<int>("breaksADay");
    QTest::addColumn<QStringList>("recorded");
    QTest::addColumn<QStringList>("incomplete");
    QTest::addColumn<QStringList>("completed");

    const QStringList none;
    QTest::newRow("one a day")
        << 1 << QStringList{u"03/02/26 1 10:50:00 11:10:00"_s, u"03/02/26 2 12:00:00 12:30:00"_s,
                            u"03/03/26 1 23:50:00 00:10:00"_s, u"03/04/26 1 10:00:00 -"_s,
                            u"03/04/26 2 11:00:00 -"_s,        u"03/05/26 1 - -"_s}
        << QStringList{u"03/04/26|Lunch|10:00:00"_s}
        << QStringList{u"03/02/26|Lunch|10:50:00|11:10:00|0 hours,20 minutes"_s,
                       u"03/03/26|Lunch|23:50:00|00:10:00|0 hours,20 minutes"_s};
    QTest::newRow("two a day")
        << 2 << QStringList{u"03/02/26 1 10:00:00 10:40:00"_s, u"03/02/26 2 15:00:00 15:30:00"_s,
                            u"03/02/26 2 16:00:00 16:05:00"_s, u"03/03/26 1 10:00:00 10:15:00"_s,
                            u"03/04/26 2 15:00:00 15:10:00"_s, u"03/05/26 2 15:00:00 -"_s,
                            u"03/05/26 3 17:00:00 -"_s,        u"03/05/26 1 09:00:00 -"_s}
        << QStringList{u"03/05/26|Tea|15:00:00"_s, u"03/05/26|Lunch|09:00:00"_s}
        << QStringList{u"03/02/26|10:00:00|10:40:00|15:00:00|15:30:00|1 hours,10 minutes"_s,
                       u"03/03/26|10:00:00|10:15:00|-|-|0 hours,15 minutes (open)"_s};
    QTest::newRow("three a day")
        << 3 << QStringList{u"03/02/26 1 09:00:00 09:50:00"_s, u"03/02/26 2 12:00:00 12:50:00"_s,
                            u"03/02/26 3 15:00:00 15:50:00"_s, u"03/03/26 1 09:00:00 09:40:00"_s,
                            u"03/03/26 3 15:00:00 15:30:00"_s, u"03/04/26 1 09:00:00 09:10:00"_s,
                            u"03/04/26 2 12:00:00 12:10:00"_s, u"03/04/26 3 15:00:00 -"_s}
        << QStringList{u"03/04/26|Smoke|15:00:00"_s}
        << QStringList{
               u"03/02/26|09:00:00|09:50:00|12:00:00|12:50:00|15:00:00|15:50:00|2 hours,30 minutes"_s,
               u"03/03/26|09:00:00|09:40:00|-|-|15:00:00|15:30:00|1 hours,10 minutes"_s,
               u"03/04/26|09:00:00|09:10:00|12:00:00|12:10:00|-|-|0 hours,20 minutes (open)"_s};
    QTest::newRow("breaks switched off")
        << 0 << QStringList{u"03/02/26 1 09:00:00 09:50:00"_s, u"03/02/26 1 10:00:00 -"_s} << none
        << none;
}

void TestBreakOccurrences::lines()
{
    QFETCH(int, breaksADay);
    QFETCH(QStringList, recorded);
    QFETCH(QStringList, incomplete);
    QFETCH(QStringList, completed);
    const BreakOccurrences occurrences(breaks(recorded), breaksADay,
                                       {u"Lunch"_s, u"Tea"_s, u"Smoke"_s});
    QCOMPARE(texts(occurrences.incomplete()), incomplete);
    QCOMPARE(texts(occurrences.completed()), completed);
}

QTEST_GUILESS_MAIN(TestBreakOccurrences)
#include "tst_breakoccurrences.moc"
