#include "QuietWarnings.h"
#include "platform/gui/DatePicker.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDatePicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The machine's locale changes the order, separators, digits or year of the date
    // shown and stored.
    void showsStoredFormat_data();
    void showsStoredFormat();
    // A typed date does not read back as typed, or lands in another century.
    void typedDateReadsBack();
};

void TestDatePicker::showsStoredFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << u"C"_s;
    QTest::newRow("English, UK") << u"en_GB"_s;
    QTest::newRow("German") << u"de_DE"_s;
    QTest::newRow("Arabic, Egypt") << u"ar_EG"_s;
    QTest::newRow("Persian") << u"fa_IR"_s;
}

void TestDatePicker::showsStoredFormat()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    DatePicker picker(QDate(2026, 3, 4));
    const QAbstractSpinBox &box = picker;

    QCOMPARE(box.text(), u"03/04/26"_s);
    QCOMPARE(picker.text(), u"03/04/26"_s);
    QCOMPARE(picker.date(), QDate(2026, 3, 4));
}

void TestDatePicker::typedDateReadsBack()
{
    DatePicker picker(QDate(2026, 3, 4));
    picker.show();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    picker.setSelectedSection(QDateTimeEdit::MonthSection);

    QTest::keyClicks(&picker, u"123129"_s);
    QCOMPARE(picker.date(), QDate(2029, 12, 31));
    QCOMPARE(picker.text(), u"12/31/29"_s);
    const QAbstractSpinBox &box = picker;
    QCOMPARE(box.text(), picker.text());
}

QTEST_MAIN(TestDatePicker)
#include "tst_datepicker.moc"
