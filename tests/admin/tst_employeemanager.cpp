#include "Clicks.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "admin/core/EmployeeManager.h"
#include "admin/gui/EmployeeManagerDialog.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Employee = EmployeeManager::Employee;

const QString bothFields = u"Please check both fields are filled in"_s;
const QString chooseFirst = u"Please select an employee before continuing"_s;

// Ann is on the list twice with different cards; the first Ann is clocked in.
void addStaff(Database &db)
{
    Schema::create(db);
    const QList<QStringList> staff = {
        {u"Ann"_s, u"0042"_s, u"1"_s}, {u"Bob"_s, u"17"_s, u"0"_s}, {u"Ann"_s, u"99"_s, u"0"_s}};
    for (const QStringList &person : staff) {
        db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {person[0], person[1]});
        db.exec(u"insert into locked (cardnum,locked) values (?,?)"_s, {person[1], person[2]});
    }
}

// Both tables, each in the order written: "name card" rows, then "card=locked" rows.
QStringList tables(Database &db)
{
    QStringList rows;
    for (const SqlRow &row : db.select(u"select employee,cardnum from employees order by id"_s))
        rows << row[u"employee"_s] + u' ' + row[u"cardnum"_s];
    for (const SqlRow &row : db.select(u"select cardnum,locked from locked order by id"_s))
        rows << row[u"cardnum"_s] + u'=' + row[u"locked"_s];
    return rows;
}

QString cardTaken(const QString &holder)
{
    return u"The clock in number is already used by %1. Please choose another clock in number."_s
        .arg(holder);
}

QString gone(const QString &name)
{
    return u"The employee %1 no longer exists. Please choose again."_s.arg(name);
}

} // namespace

class TestEmployeeManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // An empty field, no employee chosen, or a card number another employee holds gets
    // through and writes something.
    void refused_data();
    void refused();
    // A name with a quote breaks the statement, the `locked` row is missing or not "0",
    // an equal name is refused, or blanks around a name are stored.
    void add_data() { TestDatabase::addEngineRows(); }
    void add();
    // The clocked-in state lost on renumbering, the other employee of the same name
    // changed too, or a following Delete acting on the employee as it was before.
    void updateThenDelete_data() { TestDatabase::addEngineRows(); }
    void updateThenDelete();
    // An employee removed elsewhere reported as updated or deleted.
    void goneIsAnError_data();
    void goneIsAnError();
    // Half an operation kept when its second statement fails.
    void wholeOrNothing_data() { TestDatabase::addEngineRows(); }
    void wholeOrNothing();
    // The second of two equal names cannot be reached.
    void equalNamesToldApart();
    // The dialog's own paths: the empty-table message, list, fields and buttons.
    void dialog();
};

void TestEmployeeManager::refused_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("chosen"); // the second Ann (card 99) chosen first
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("message");

    QTest::newRow("add, no name") << u"add"_s << false << QString() << u"5"_s << bothFields;
    QTest::newRow("add, no card") << u"add"_s << false << u"Cy"_s << QString() << bothFields;
    QTest::newRow("update, no card") << u"update"_s << true << u"Cy"_s << QString() << bothFields;
    QTest::newRow("delete, no name") << u"delete"_s << true << QString() << u"99"_s << bothFields;
    QTest::newRow("add, blank name") << u"add"_s << false << u"   "_s << u"5"_s << bothFields;
    QTest::newRow("update, blank card") << u"update"_s << true << u"Cy"_s << u" "_s << bothFields;
    QTest::newRow("update, control character in the name")
        << u"update"_s << true << u"Cy\x07"_s << u"5"_s
        << u"The employee name contains characters that cannot be stored (control or invalid "
           u"characters). Please retype it."_s;
    QTest::newRow("update, blank in the card")
        << u"update"_s << true << u"Cy"_s << u"5 6"_s
        << u"The clock in number must not contain blanks. Please retype it."_s;
    QTest::newRow("update, nothing chosen")
        << u"update"_s << false << u"Ann"_s << u"99"_s << chooseFirst;
    QTest::newRow("delete, nothing chosen")
        << u"delete"_s << false << u"Ann"_s << u"99"_s << chooseFirst;
    QTest::newRow("add, card of another")
        << u"add"_s << false << u"Cy"_s << u"17"_s << cardTaken(u"Bob"_s);
    QTest::newRow("add, card of an equal name")
        << u"add"_s << false << u"Ann"_s << u"0042"_s << cardTaken(u"Ann"_s);
    QTest::newRow("update, card of another")
        << u"update"_s << true << u"Ann"_s << u"17"_s << cardTaken(u"Bob"_s);
    QTest::newRow("update, card of the other Ann")
        << u"update"_s << true << u"Ann"_s << u"0042"_s << cardTaken(u"Ann"_s);
}

void TestEmployeeManager::refused()
{
    QFETCH(QString, operation);
    QFETCH(bool, chosen);
    QFETCH(QString, name);
    QFETCH(QString, card);
    QFETCH(QString, message);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    const QStringList before = tables(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);
    if (chosen)
        QCOMPARE(manager.choose(u"Ann"_s, 1), EmployeeManager::Outcome::Done);
    prompter.expectMessage(u"Error!"_s, message, PromptIcon::Error);

    const Employee typed{name, card};
    EmployeeManager::Outcome outcome = EmployeeManager::Outcome::Done;
    if (operation == u"add"_s)
        outcome = manager.add(typed);
    else if (operation == u"update"_s)
        outcome = manager.update(typed);
    else
        outcome = manager.remove(typed);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome, EmployeeManager::Outcome::Refused);
    QCOMPARE(tables(db), before);
    QVERIFY(!db.inTransaction());
}

void TestEmployeeManager::add()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);

    for (const Employee &typed :
         {Employee{u"Mary O'Brien"_s, u"7'1"_s}, Employee{u" Bob  "_s, u"8"_s}}) {
        prompter.expectMessage(u"Success"_s, u"Employee Added Successfully!"_s,
                               PromptIcon::Information);
        QCOMPARE(manager.add(typed), EmployeeManager::Outcome::Done);
    }
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!remembered);
    QCOMPARE(tables(db),
             (QStringList{u"Ann 0042"_s, u"Bob 17"_s, u"Ann 99"_s, u"Mary O'Brien 7'1"_s,
                          u"Bob 8"_s, u"0042=1"_s, u"17=0"_s, u"99=0"_s, u"7'1=0"_s, u"8=0"_s}));
    QCOMPARE(manager.employeeNames(),
             (QStringList{u"Ann"_s, u"Ann"_s, u"Bob"_s, u"Bob"_s, u"Mary O'Brien"_s}));
}

void TestEmployeeManager::updateThenDelete()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    const QString lockedId = db.first(u"select id from locked where cardnum = '0042'"_s)[u"id"_s];
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);

    QCOMPARE(manager.choose(u"Ann"_s), EmployeeManager::Outcome::Done);
    QCOMPARE(remembered->cardNumber, u"0042"_s);
    prompter.expectMessage(u"Success"_s, u"Employee Updated Successfully!"_s,
                           PromptIcon::Information);
    QCOMPARE(manager.update({u"Ann O'Hara"_s, u"43"_s}), EmployeeManager::Outcome::Done);
    QCOMPARE(tables(db), (QStringList{u"Ann O'Hara 43"_s, u"Bob 17"_s, u"Ann 99"_s, u"43=1"_s,
                                      u"17=0"_s, u"99=0"_s}));
    QCOMPARE(db.first(u"select id from locked where cardnum = '43'"_s)[u"id"_s], lockedId);
    QCOMPARE(remembered->name, u"Ann O'Hara"_s);
    QCOMPARE(remembered->cardNumber, u"43"_s);

    // Keeping the own card number is no clash.
    prompter.expectMessage(u"Success"_s, u"Employee Updated Successfully!"_s,
                           PromptIcon::Information);
    QCOMPARE(manager.update({u"Annie"_s, u"43"_s}), EmployeeManager::Outcome::Done);

    // The fields only have to be filled in: the remembered employee goes.
    prompter.expectMessage(u"Success"_s, u"Employee Deleted Successfully!"_s,
                           PromptIcon::Information);
    QCOMPARE(manager.remove({u"x"_s, u"y"_s}), EmployeeManager::Outcome::Done);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(tables(db), (QStringList{u"Bob 17"_s, u"Ann 99"_s, u"17=0"_s, u"99=0"_s}));
}

void TestEmployeeManager::goneIsAnError_data()
{
    QTest::addColumn<bool>("update");
    QTest::newRow("update") << true;
    QTest::newRow("delete") << false;
}

void TestEmployeeManager::goneIsAnError()
{
    QFETCH(bool, update);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);
    QCOMPARE(manager.choose(u"Bob"_s), EmployeeManager::Outcome::Done);
    // Another station removes Bob but leaves his clocking state.
    db.exec(u"delete from employees where employee = 'Bob'"_s);
    const QStringList before = tables(db);

    prompter.expectMessage(u"Error!"_s, gone(u"Bob"_s), PromptIcon::Error);
    const Employee typed{u"Bobby"_s, u"18"_s};
    QCOMPARE(update ? manager.update(typed) : manager.remove(typed),
             EmployeeManager::Outcome::EmployeeGone);
    QCOMPARE(tables(db), before);
    QVERIFY(!remembered);

    // Choosing him from a list filled before the removal says so too.
    prompter.expectMessage(u"Error!"_s, gone(u"Bob"_s), PromptIcon::Error);
    QCOMPARE(manager.choose(u"Bob"_s), EmployeeManager::Outcome::EmployeeGone);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestEmployeeManager::wholeOrNothing()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    // A `locked` table that refuses card 13 and renumbering to it.
    db.exec(u"drop table locked"_s);
    db.exec(u"create table locked (%1, cardnum text check (cardnum <> '13'), locked text)"_s.arg(
        db.dialect().autoIdColumn(u"id"_s)));
    db.exec(u"insert into locked (cardnum,locked) values ('17','1')"_s);
    const QStringList before = tables(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);

    prompter.expectError();
    QCOMPARE(manager.add({u"Cy"_s, u"13"_s}), EmployeeManager::Outcome::Failed);
    QCOMPARE(manager.choose(u"Bob"_s), EmployeeManager::Outcome::Done);
    prompter.expectError();
    QCOMPARE(manager.update({u"Bobby"_s, u"13"_s}), EmployeeManager::Outcome::Failed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(tables(db), before);
    QCOMPARE(remembered->name, u"Bob"_s);
    QVERIFY(!db.inTransaction());
}

void TestEmployeeManager::equalNamesToldApart()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    EmployeeManager manager(db, prompter, remembered);

    QCOMPARE(manager.choose(u"Ann"_s, 1), EmployeeManager::Outcome::Done);
    QCOMPARE(remembered->cardNumber, u"99"_s);
    prompter.expectMessage(u"Success"_s, u"Employee Updated Successfully!"_s,
                           PromptIcon::Information);
    QCOMPARE(manager.update({u"Ann"_s, u"100"_s}), EmployeeManager::Outcome::Done);
    QCOMPARE(tables(db), (QStringList{u"Ann 0042"_s, u"Bob 17"_s, u"Ann 100"_s, u"0042=1"_s,
                                      u"17=0"_s, u"100=0"_s}));
}

void TestEmployeeManager::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    std::optional<Employee> remembered;
    bool checked = false;
    prompter.expectMessage(u"Error!"_s, u"Error,please add an employee before continuing"_s,
                           PromptIcon::Error);

    whenDialogOpens(this, [&](QDialog *dialog) {
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(dialog->windowTitle(), u":: Employee Manager ::"_s);
        auto *list = dialog->findChild<QListWidget *>(u"employeeList"_s);
        auto *name = dialog->findChild<QLineEdit *>(u"nameField"_s);
        auto *card = dialog->findChild<QLineEdit *>(u"cardNumberField"_s);
        auto *add = dialog->findChild<QPushButton *>(u"addButton"_s);
        auto *update = dialog->findChild<QPushButton *>(u"updateButton"_s);
        auto *remove = dialog->findChild<QPushButton *>(u"deleteButton"_s);
        QVERIFY(list && name && card && add && update && remove);
        QCOMPARE(list->count(), 0);
        QCOMPARE(name->accessibleName(), u"Employee Name:"_s);
        QCOMPARE(card->accessibleName(), u"Clock in number:"_s);

        const QList<Employee> staff = {{u"Zoe"_s, u"5"_s}, {u"Ann O'Neil"_s, u"6"_s}};
        for (const Employee &person : staff) {
            QTest::keyClicks(name, person.name);
            QTest::keyClicks(card, person.cardNumber);
            // Enter writes nothing.
            QTest::keyClick(card, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            prompter.expectMessage(u"Success"_s, u"Employee Added Successfully!"_s,
                                   PromptIcon::Information);
            click(add);
            QVERIFY(name->text().isEmpty() && card->text().isEmpty());
        }
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"Ann O'Neil"_s);

        clickItem(list, list->item(1));
        QCOMPARE(name->text(), u"Zoe"_s);
        QCOMPARE(card->text(), u"5"_s);
        card->setText(u"55"_s);
        prompter.expectMessage(u"Success"_s, u"Employee Updated Successfully!"_s,
                               PromptIcon::Information);
        click(update);
        QVERIFY(name->text().isEmpty());
        QCOMPARE(tables(db), (QStringList{u"Zoe 55"_s, u"Ann O'Neil 6"_s, u"55=0"_s, u"6=0"_s}));

        clickItem(list, list->item(0));
        QCOMPARE(card->text(), u"6"_s);
        prompter.expectMessage(u"Success"_s, u"Employee Deleted Successfully!"_s,
                               PromptIcon::Information);
        click(remove);
        QCOMPARE(list->count(), 1);
        QCOMPARE(tables(db), (QStringList{u"Zoe 55"_s, u"55=0"_s}));

        // Chosen after another station removed it: told, fields emptied, list refilled.
        clickItem(list, list->item(0));
        db.exec(u"delete from employees"_s);
        list->clearSelection();
        prompter.expectMessage(u"Error!"_s, gone(u"Zoe"_s), PromptIcon::Error);
        prompter.expectMessage(u"Error!"_s, u"Error,please add an employee before continuing"_s,
                               PromptIcon::Error);
        clickItem(list, list->item(0));
        QVERIFY(name->text().isEmpty());
        QTRY_COMPARE(list->count(), 0);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    EmployeeManagerDialog::run(db, prompter, remembered, nullptr);
    QVERIFY(checked);
    QVERIFY(!remembered);
}

QTEST_MAIN(TestEmployeeManager)
#include "tst_employeemanager.moc"
