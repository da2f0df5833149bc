#include "Clicks.h"
#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/TimeField.h"
#include "station/core/ManualClocking.h"
#include "station/gui/ManualClockingDialog.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString inDate = u"03/13/26"_s;
const QString outDate = u"03/14/26"_s;

// A set-up database with a few employees; Ann is on the list twice with different cards.
void addStaff(Database &db)
{
    Schema::create(db);
    const QList<QPair<QString, QString>> staff = {
        {u"Ann"_s, u"0042"_s}, {u"Bob"_s, u"17"_s}, {u"Ann"_s, u"99"_s}};
    for (const auto &[name, card] : staff)
        db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, card});
}

// The log as "type dt tm employee cardnum", in the order written.
QStringList logRows(Database &db)
{
    return rowsOf(db, {u"type"_s, u"dt"_s, u"tm"_s, u"employee"_s, u"cardnum"_s},
                  u"log order by id"_s);
}

TimeEntry timeOf(const QStringList &parts)
{
    return TimeEntry(parts.value(0), parts.value(1), parts.value(2));
}

ManualClocking::Request fullRequest(const QString &employee)
{
    ManualClocking::Request request;
    request.employee = employee;
    request.logIn = {true, inDate, TimeEntry(u"22"_s, u"00"_s, u"00"_s)};
    request.logOut = {true, outDate, TimeEntry(u"6"_s, u"30"_s, u"15"_s)};
    return request;
}

} // namespace

class TestManualClocking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A check out of order, the wrong words for one or both options, an unchecked row's
    // fields judged, a row written for a refused request, IN and OUT dates or times
    // swapped, or a time stored without its leading zeros.
    void process_data();
    void process();
    // The wrong card, a name quoted into the statement, or other tables touched; the
    // same entry cannot be written twice.
    void writesLogOnly_data() { TestDatabase::addEngineRows(); }
    void writesLogOnly();
    // An employee removed by another station is written anyway or shown as a driver error.
    void vanishedEmployee();
    // A log-in is left behind when its log-out cannot be written.
    void bothRowsOrNeither_data() { TestDatabase::addEngineRows(); }
    void bothRowsOrNeither();
    // The list drops a duplicate or splits names by case.
    void employeeList();
    // Fields enabled without their box, cleared by it, Enter or Escape writing, or the
    // dialog's entry not reaching the log.
    void dialog();
};

void TestManualClocking::process_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("logIn");
    QTest::addColumn<QStringList>("inTime");
    QTest::addColumn<bool>("logOut");
    QTest::addColumn<QStringList>("outTime");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written");

    const QStringList in = {u"22"_s, u"00"_s, u"00"_s};
    const QStringList out = {u"06"_s, u"30"_s, u"15"_s};
    const QStringList none;
    const QString inRow = u"IN 03/13/26 22:00:00 Ann 0042"_s;
    const QString outRow = u"OUT 03/14/26 06:30:15 Ann 0042"_s;
    const QString noEmployee = u"Please select an employee before continuing"_s;
    const QString yourTimes = u"Please check your time values!"_s;
    const QString times = u"Please check time values!"_s;

    QTest::newRow("no employee") << false << true << in << true << out << u"Error!"_s << noEmployee
                                 << none;
    QTest::newRow("no employee, no option, empty times")
        << false << false << none << false << none << u"Error!"_s << noEmployee << none;
    QTest::newRow("no option") << true << false << in << false << out << u"Error"_s
                               << u"Please select a Log option"_s << none;
    QTest::newRow("log-out") << true << false << in << true << out << u"Success!"_s
                             << u"Manual Log-out Succeded!"_s << QStringList{outRow};
    QTest::newRow("log-in") << true << true << in << false << out << u"Success!"_s
                            << u"Manual Log-in Succeded!"_s << QStringList{inRow};
    QTest::newRow("both") << true << true << in << true << out << u"Success!"_s
                          << u"Manual Log-in/out Succeded!"_s << QStringList{inRow, outRow};
    QTest::newRow("log-in, unchecked log-out empty")
        << true << true << in << false << none << u"Success!"_s << u"Manual Log-in Succeded!"_s
        << QStringList{inRow};
    QTest::newRow("log-out, unchecked log-in empty")
        << true << false << none << true << out << u"Success!"_s << u"Manual Log-out Succeded!"_s
        << QStringList{outRow};
    QTest::newRow("log-in, one-digit parts")
        << true << true << QStringList{u"7"_s, u"5"_s, u"9"_s} << false << none << u"Success!"_s
        << u"Manual Log-in Succeded!"_s << QStringList{u"IN 03/13/26 07:05:09 Ann 0042"_s};
    QTest::newRow("log-in, hour empty") << true << true << QStringList{QString(), u"00"_s, u"00"_s}
                                        << false << out << u"Error!"_s << yourTimes << none;
    QTest::newRow("log-in, out-of-range hour")
        << true << true << QStringList{u"24"_s, u"00"_s, u"00"_s} << false << out << u"Error!"_s
        << yourTimes << none;
    QTest::newRow("log-out, minute empty")
        << true << false << in << true << QStringList{u"06"_s, QString(), u"15"_s} << u"Error!"_s
        << yourTimes << none;
    QTest::newRow("log-out, second empty")
        << true << false << in << true << QStringList{u"06"_s, u"30"_s, QString()} << u"Error!"_s
        << yourTimes << none;
    QTest::newRow("both, log-in second empty")
        << true << true << QStringList{u"22"_s, u"00"_s, QString()} << true << out << u"Error!"_s
        << times << none;
    QTest::newRow("both, log-out hour empty")
        << true << true << in << true << QStringList{QString(), u"30"_s, u"15"_s} << u"Error!"_s
        << times << none;
}

void TestManualClocking::process()
{
    QFETCH(bool, chosen);
    QFETCH(bool, logIn);
    QFETCH(QStringList, inTime);
    QFETCH(bool, logOut);
    QFETCH(QStringList, outTime);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    prompter.expectMessage(caption, message,
                           written.isEmpty() ? PromptIcon::Error : PromptIcon::Information);

    ManualClocking::Request request;
    if (chosen)
        request.employee = u"Ann"_s;
    request.logIn = {logIn, inDate, timeOf(inTime)};
    request.logOut = {logOut, outDate, timeOf(outTime)};
    const auto outcome = ManualClocking(db, prompter).process(request);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome, written.isEmpty() ? ManualClocking::Outcome::Refused
                                        : ManualClocking::Outcome::Written);
    QCOMPARE(logRows(db), written);
}

void TestManualClocking::writesLogOnly()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    const QString name = u"Mary O'Neil; drop table log"_s;
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, u"0007"_s});
    db.exec(u"insert into locked (cardnum,locked) values ('0007','1')"_s);
    db.exec(u"insert into allloggedin (dt,cardnum,completed) values ('03/14/26','0007','0')"_s);
    ScriptedPrompter prompter;
    ManualClocking clocking(db, prompter);

    const QStringList once = {u"IN 03/13/26 22:00:00 "_s + name + u" 0007"_s,
                              u"OUT 03/14/26 06:30:15 "_s + name + u" 0007"_s};
    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Success!"_s, u"Manual Log-in/out Succeded!"_s,
                               PromptIcon::Information);
        QCOMPARE(clocking.process(fullRequest(name)), ManualClocking::Outcome::Written);
    }
    QCOMPARE(logRows(db), once + once);
    QCOMPARE(db.first(u"select locked from locked where cardnum = '0007'"_s)[u"locked"_s], u"1"_s);
    QCOMPARE(db.select(u"select cardnum from locked"_s).size(), 1);
    QCOMPARE(db.first(u"select completed from allloggedin"_s)[u"completed"_s], u"0"_s);
    QCOMPARE(db.select(u"select cardnum from allloggedin"_s).size(), 1);
}

void TestManualClocking::vanishedEmployee()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    db.exec(u"delete from employees where employee = 'Bob'"_s);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s,
                           u"The employee Bob no longer exists. Please choose again."_s,
                           PromptIcon::Error);

    QCOMPARE(ManualClocking(db, prompter).process(fullRequest(u"Bob"_s)),
             ManualClocking::Outcome::EmployeeGone);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(logRows(db).isEmpty());
}

void TestManualClocking::bothRowsOrNeither()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    // A log that takes log-ins but refuses every log-out.
    db.exec(u"drop table log"_s);
    db.exec(
        u"create table log (%1, dt text, tm text, employee text, "
        "type text check (type <> 'OUT'), cardnum text)"_s.arg(db.dialect().autoIdColumn(u"id"_s)));
    ScriptedPrompter prompter;
    prompter.expectError();

    QCOMPARE(ManualClocking(db, prompter).process(fullRequest(u"Ann"_s)),
             ManualClocking::Outcome::Failed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!db.inTransaction());
    QVERIFY(logRows(db).isEmpty());
}

void TestManualClocking::employeeList()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    for (const QString &name : {u"bob"_s, u"Carl"_s, u"Bob"_s, u"ann"_s, u"Bob"_s, u"Ann"_s})
        db.exec(u"insert into employees (employee,cardnum) values (?,'1')"_s, {name});
    ScriptedPrompter prompter;

    QCOMPARE(ManualClocking(db, prompter).employeeNames(),
             (QStringList{u"Ann"_s, u"ann"_s, u"Bob"_s, u"Bob"_s, u"bob"_s, u"Carl"_s}));
}

void TestManualClocking::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    FixedClock clock;
    ManualClockingDialog dialog(db, prompter, clock);
    dialog.loadEmployees();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u":: Manual Log In/Out ::"_s);

    auto *list = dialog.findChild<QListWidget *>();
    auto *inBox = dialog.findChild<QCheckBox *>(u"logInBox"_s);
    auto *outBox = dialog.findChild<QCheckBox *>(u"logOutBox"_s);
    auto *inDatePicker = dialog.findChild<DatePicker *>(u"logInDate"_s);
    auto *outDatePicker = dialog.findChild<DatePicker *>(u"logOutDate"_s);
    auto *inTime = dialog.findChild<TimeField *>(u"logInTime"_s);
    auto *outTime = dialog.findChild<TimeField *>(u"logOutTime"_s);
    auto *process = dialog.findChild<QPushButton *>(u"processButton"_s);
    QVERIFY(list && inBox && outBox && inDatePicker && outDatePicker && inTime && outTime &&
            process);
    QCOMPARE(list->count(), 3);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(inDatePicker->text(), u"03/14/26"_s);
    QCOMPARE(outDatePicker->text(), u"03/14/26"_s);
    QVERIFY(!process->autoDefault());

    // Each box enables its own row only; clearing it keeps what was typed.
    QVERIFY(!inDatePicker->isEnabled() && !inTime->isEnabled());
    clickBox(inBox);
    QVERIFY(inDatePicker->isEnabled() && inTime->isEnabled());
    QVERIFY(!outDatePicker->isEnabled() && !outTime->isEnabled());
    QTest::keyClicks(inTime->hourEdit(), u"2"_s);
    clickBox(inBox);
    QVERIFY(!inDatePicker->isEnabled() && !inTime->isEnabled());
    QCOMPARE(inTime->hourEdit()->text(), u"2"_s);
    clickBox(outBox);
    QVERIFY(outDatePicker->isEnabled() && outTime->isEnabled());
    QVERIFY(!inDatePicker->isEnabled());
    clickBox(inBox);

    // Bob is the only one of his name: the list is sorted, so he is last.
    QListWidgetItem *bob = list->item(2);
    QCOMPARE(bob->text(), u"Bob"_s);
    clickItem(list, bob);
    QTest::keyClicks(inTime->hourEdit(), u"1"_s); // now "21"
    QTest::keyClicks(inTime->minuteEdit(), u"45"_s);
    QTest::keyClicks(inTime->secondEdit(), u"0"_s);
    outDatePicker->setDate(QDate(2026, 3, 15));
    QTest::keyClicks(outTime->hourEdit(), u"5"_s);
    QTest::keyClicks(outTime->minuteEdit(), u"10"_s);
    QTest::keyClicks(outTime->secondEdit(), u"08"_s);

    // Enter and Escape write nothing.
    QTest::keyClick(outTime->secondEdit(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(logRows(db).isEmpty());

    const QStringList once = {u"IN 03/14/26 21:45:00 Bob 17"_s, u"OUT 03/15/26 05:10:08 Bob 17"_s};
    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Success!"_s, u"Manual Log-in/out Succeded!"_s,
                               PromptIcon::Information);
        QTest::mouseClick(process, Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(logRows(db), once + once);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(logRows(db).size(), 4);
}

QTEST_MAIN(TestManualClocking)
#include "tst_manualclocking.moc"
