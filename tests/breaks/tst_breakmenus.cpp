#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A station with one employee and two breaks a day.
struct Station : TestStation
{
    explicit Station(const QString &location) : TestStation(location)
    {
        db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
        values.breaks = StationSettings::Switch::On;
        values.numberOfBreaks = 2;
        values.breakNames = {u"Tea"_s, u"Lunch"_s, u"-"_s};
    }
};

} // namespace

class TestBreakMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The count chosen in one opening forgotten by the next in the same run.
    void countKeptForTheRun();
};

void TestBreakMenus::countKeptForTheRun()
{
    TestDatabase target(u"sqlite"_s);
    Station station(target.location());
    station.logIn();
    station.open(StationMenu::BreakOptions, [](QDialog *dialog) {
        dialog->findChild<QComboBox *>(u"breakCount"_s)->setCurrentText(u"3"_s);
    });
    station.prompter.expectMessage(u"Update!"_s, u"Break 1,2 and Break 3 names updated!"_s,
                                   PromptIcon::Information);
    station.prompter.expectMessage(u"Success"_s,
                                   u"Please restart Chronel for changes to take effect!"_s,
                                   PromptIcon::Information);
    station.open(StationMenu::BreakOptions, [](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"applyButton"_s), Qt::LeftButton);
    });
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.db.first(u"select numof from breaksettings"_s)[u"numof"_s], u"3"_s);
}

QTEST_MAIN(TestBreakMenus)
#include "tst_breakmenus.moc"
