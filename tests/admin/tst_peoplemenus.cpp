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

Q_DECLARE_METATYPE(StationMenu::Command)

class TestPeopleMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A command left unwired, opening without a supervisor, or opening the wrong dialog.
    void gatedAndOpens_data();
    void gatedAndOpens();
    // The employee chosen in one opening of the employee manager forgotten by the next.
    void chosenEmployeeOutlivesDialog();
};

void TestPeopleMenus::gatedAndOpens_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    QTest::addColumn<QString>("title");
    QTest::newRow("employee manager")
        << StationMenu::EmployeeManager << u":: Employee Manager ::"_s;
    QTest::newRow("security manager")
        << StationMenu::SecurityManager << u":: Security Settings ::"_s;
}

void TestPeopleMenus::gatedAndOpens()
{
    QFETCH(StationMenu::Command, command);
    QFETCH(QString, title);
    TestDatabase target(u"sqlite"_s);
    Station station(target.location());
    QVERIFY(station.window.action(command)->isEnabled());
    station.prompter.expectMessage(u"Authorisation"_s,
                                   u"Sorry you do not have access to this function"_s,
                                   PromptIcon::Exclamation);
    station.trigger(command);
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));

    station.logIn();
    QCOMPARE(station.open(command), title);
    QCOMPARE(station.prompter.seen().size(), 1);
}

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
