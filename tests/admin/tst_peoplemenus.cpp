#include "Clicks.h"
#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "WhenModal.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A station with one employee and one supervisor account.
struct Station : TestStation
{
    explicit Station(const QString &location) : TestStation(location)
    {
        db.exec(u"insert into employees (employee,cardnum) values ('Bob','17')"_s);
        db.exec(u"insert into locked (cardnum,locked) values ('17','0')"_s);
        db.exec(u"insert into users (username,password) values ('chief','PLAIN')"_s);
    }
};

} // namespace

class TestPeopleMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The employee chosen in one opening of the employee manager forgotten by the next.
    void chosenEmployeeOutlivesDialog();
};

void TestPeopleMenus::chosenEmployeeOutlivesDialog()
{
    TestDatabase target(u"sqlite"_s);
    Station station(target.location());
    station.logIn();
    const QString opened = station.open(StationMenu::EmployeeManager, [](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        clickItem(list, list->item(0));
        QCOMPARE(dialog->findChild<QLineEdit *>(u"cardNumberField"_s)->text(), u"17"_s);
    });
    QVERIFY(!opened.isEmpty());
    bool deleted = false;
    station.open(StationMenu::EmployeeManager, [&](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"nameField"_s), u"x"_s);
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"cardNumberField"_s), u"y"_s);
        station.prompter.expectMessage(u"Success"_s, u"Employee Deleted Successfully!"_s,
                                       PromptIcon::Information);
        station.prompter.expectMessage(
            u"Error!"_s, u"Error,please add an employee before continuing"_s, PromptIcon::Error);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"deleteButton"_s), Qt::LeftButton);
        deleted = true;
    });
    QVERIFY(deleted);
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QVERIFY(station.db.select(u"select cardnum from employees"_s).isEmpty());
    QVERIFY(station.db.select(u"select cardnum from locked"_s).isEmpty());
}

QTEST_MAIN(TestPeopleMenus)
#include "tst_peoplemenus.moc"
