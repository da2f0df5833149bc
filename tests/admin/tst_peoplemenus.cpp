#include "Database.h"
#include "FixedClock.h"
#include "QuietWarnings.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "StartupValues.h"
#include "StationCommands.h"
#include "StationContext.h"
#include "StationWindow.h"
#include "TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A running station on a set-up database with one employee, as main() builds it.
struct Station
{
    explicit Station(const QString &location) : db(location)
    {
        Schema::create(db);
        db.exec(u"insert into employees (employee,cardnum) values ('Bob','17')"_s);
        db.exec(u"insert into locked (cardnum,locked) values ('17','0')"_s);
        db.exec(u"insert into users (username,password) values ('chief','PLAIN')"_s);
    }

    void logIn() { db.exec(u"update tmp set tmp = '1'"_s); }
    // Triggers the command and runs `inDialog` on the dialog it opens.
    template <typename InDialog> void open(StationMenu::Command command, InDialog inDialog)
    {
        QTimer::singleShot(0, [inDialog] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto closeAtEnd = qScopeGuard([dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
            inDialog(dialog);
        });
        window.action(command)->trigger();
    }

    Database db;
    FixedClock clock;
    ScriptedPrompter prompter;
    SilentTonePlayer tones;
    StartupValues values;
    StationContext context{db, prompter, clock, tones, values, {}};
    StationWindow window{clock, prompter};
    StationCommands commands{window, context};
};

} // namespace

Q_DECLARE_METATYPE(StationMenu::Command)

class TestPeopleMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup()
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    }

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
    station.window.action(command)->trigger();
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));

    station.logIn();
    QString shown;
    station.open(command, [&](QDialog *dialog) { shown = dialog->windowTitle(); });
    QCOMPARE(shown, title);
    QCOMPARE(station.prompter.seen().size(), 1);
}

void TestPeopleMenus::chosenEmployeeOutlivesDialog()
{
    TestDatabase target(u"sqlite"_s);
    Station station(target.location());
    station.logIn();
    station.open(StationMenu::EmployeeManager, [](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(dialog->findChild<QLineEdit *>(u"cardNumberField"_s)->text(), u"17"_s);
    });
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
