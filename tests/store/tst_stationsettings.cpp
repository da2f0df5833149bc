#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StationSettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Switch = StationSettings::Switch;
Q_DECLARE_METATYPE(StationSettings::Switch)

class TestStationSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A stored switch other than "1" read as on, or one other than "0" read as off (the
    // break commands would then refuse where they let the supervisor through); a number of
    // breaks outside 1 to 3, or with blanks, taken as a count.
    void oddStoredValues_data();
    void oddStoredValues();
};

void TestStationSettings::oddStoredValues_data()
{
    QTest::addColumn<QString>("stored"); // written to every switch and the count
    QTest::addColumn<bool>("on");
    QTest::addColumn<Switch>("breaks");
    QTest::addColumn<int>("count");

    QTest::newRow("1") << u"1"_s << true << Switch::On << 1;
    QTest::newRow("0") << u"0"_s << false << Switch::Off << 0;
    QTest::newRow("3") << u"3"_s << false << Switch::Other << 3;
    QTest::newRow("4") << u"4"_s << false << Switch::Other << 0;
    QTest::newRow("not set") << u"-"_s << false << Switch::Other << 0;
    QTest::newRow("empty") << u""_s << false << Switch::Other << 0;
    QTest::newRow("blank before") << u" 1"_s << false << Switch::Other << 0;
    QTest::newRow("blank after") << u"2 "_s << false << Switch::Other << 0;
    QTest::newRow("leading zero") << u"01"_s << false << Switch::Other << 0;
}

void TestStationSettings::oddStoredValues()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    QFETCH(Switch, breaks);
    QFETCH(int, count);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update con set active = ?"_s, {stored});
    db.exec(u"update breaksettings set enablebreaks = ?, enableauth = ?, numof = ?"_s,
            {stored, stored, stored});

    const StationSettings::Values values = StationSettings::load(db);

    QCOMPARE(values.confirmation, on);
    QCOMPARE(values.breaks, breaks);
    QCOMPARE(values.authorisation, on);
    QCOMPARE(values.breaksPerDay, count);
}

QTEST_GUILESS_MAIN(TestStationSettings)
#include "tst_stationsettings.moc"
