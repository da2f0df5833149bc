#include "Clicks.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "admin/core/SecurityManager.h"
#include "admin/gui/CapitalsPasswordField.h"
#include "admin/gui/SecurityManagerDialog.h"
#include "store/Database.h"
#include "store/NameList.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"

#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Account = SecurityManager::Account;

const QString valuesMissing = u"Please make sure values have been entered"_s;
const QString noMatch = u"Please check that passwords match"_s;

// A hash of `password`, computed once per run: hashing is slow on purpose.
QString hashOf(const QString &password)
{
    static QHash<QString, QString> hashes;
    if (!hashes.contains(password))
        hashes.insert(password, PasswordHash::hash(password));
    return hashes.value(password);
}

// Two accounts: O'Hara's hashed, the chief's from before hashing.
void addAccounts(Database &db)
{
    Schema::create(db);
    db.exec(u"insert into users (username,password) values (?,?)"_s,
            {u"O'Hara"_s, hashOf(u"SE'CRET"_s)});
    db.exec(u"insert into users (username,password) values ('chief','PLAIN')"_s);
}

// Every user name, in list order whatever the engine's collation.
QStringList userNames(Database &db)
{
    QStringList names;
    for (const SqlRow &row : db.select(u"select username from users"_s))
        names << row[u"username"_s];
    NameList::sort(names);
    return names;
}

QString storedPassword(Database &db, const QString &userName)
{
    return db.first(u"select password from users where username = ?"_s, {userName})[u"password"_s];
}

QList<QStringList> allRows(Database &db)
{
    return rowValues(db, {u"username"_s, u"password"_s}, u"users"_s);
}

} // namespace

class TestSecurityManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // An empty field, passwords differing (in case too), no account chosen for Update,
    // or no name at Delete: each must write nothing.
    void refused_data();
    void refused();
    // Passwords stored as typed instead of hashed, a quote breaking the statement, or
    // Update finding the account by the typed name instead of the chosen one.
    void addAndUpdateHash_data() { TestDatabase::addEngineRows(); }
    void addAndUpdateHash();
    // Delete without asking, against a No, of every account of a name at once, of the
    // last account, or needing the password that a hash can no longer show.
    void deleteAsks_data();
    void deleteAsks();
    // An account removed elsewhere reported as updated.
    void updateOfGoneUser();
    // Small letters kept, or the cursor jumping to the end while typing in the middle.
    void capitals_data();
    void capitals();
    // The dialog's own paths: choosing fills the name only, buttons, empty table.
    void dialog();
};

void TestSecurityManager::refused_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("typed"); // name, password, confirmation
    QTest::addColumn<bool>("onlyOne");      // the chief's account removed beforehand
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");

    const QString error = u"Error"_s;
    QTest::newRow("add, no name") << u"add"_s << QString() << QStringList{{}, u"A"_s, u"A"_s}
                                  << false << error << valuesMissing;
    QTest::newRow("add, no confirmation")
        << u"add"_s << QString() << QStringList{u"x"_s, u"A"_s, {}} << false << error
        << valuesMissing;
    QTest::newRow("add, passwords differ in case")
        << u"add"_s << QString() << QStringList{u"x"_s, u"A"_s, u"a"_s} << false << u"Error!"_s
        << noMatch;
    QTest::newRow("update, no password")
        << u"update"_s << u"chief"_s << QStringList{u"x"_s, {}, u"A"_s} << false << error
        << valuesMissing;
    QTest::newRow("update, passwords differ")
        << u"update"_s << u"chief"_s << QStringList{u"x"_s, u"A"_s, u"B"_s} << false << u"Error!"_s
        << noMatch;
    QTest::newRow("update, nothing chosen")
        << u"update"_s << QString() << QStringList{u"x"_s, u"A"_s, u"A"_s} << false << error
        << u"Please select a user to update"_s;
    QTest::newRow("delete, no name") << u"delete"_s << QString() << QStringList{{}, u"PW"_s, {}}
                                     << false << error << u"Please select and employee to delete"_s;
    QTest::newRow("delete, blanks for a name")
        << u"delete"_s << QString() << QStringList{u"  "_s, {}, {}} << false << error
        << u"Please select and employee to delete"_s;
}

void TestSecurityManager::refused()
{
    QFETCH(QString, operation);
    QFETCH(QString, chosen);
    QFETCH(QStringList, typed);
    QFETCH(bool, onlyOne);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addAccounts(db);
    if (onlyOne)
        db.exec(u"delete from users where username = 'chief'"_s);
    const QList<QStringList> before = allRows(db);
    ScriptedPrompter prompter;
    prompter.expectMessage(caption, message, PromptIcon::Error);
    SecurityManager manager(db, prompter);

    const Account account{typed[0], typed[1], typed[2]};
    SecurityManager::Outcome outcome = SecurityManager::Outcome::Done;
    if (operation == u"add"_s)
        outcome = manager.add(account);
    else if (operation == u"update"_s)
        outcome = manager.update(chosen, account);
    else
        outcome = manager.remove(account.userName);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome, SecurityManager::Outcome::Refused);
    QCOMPARE(allRows(db), before);
    QVERIFY(!db.inTransaction());
    // Nothing typed here is ever logged.
    QVERIFY(db.select(u"select reason from errorlog"_s).isEmpty());
}

void TestSecurityManager::addAndUpdateHash()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addAccounts(db);
    ScriptedPrompter prompter;
    SecurityManager manager(db, prompter);

    // An existing name is added again, as before.
    for (const QString &name : {u"D'Arcy"_s, u"chief"_s}) {
        prompter.expectMessage(u"Success!"_s, u"User Inserted"_s, PromptIcon::Information);
        QCOMPARE(manager.add({name, u"N'EW"_s, u"N'EW"_s}), SecurityManager::Outcome::Done);
    }
    const QString added = storedPassword(db, u"D'Arcy"_s);
    QVERIFY(PasswordHash::isHash(added));
    QVERIFY(PasswordHash::matches(added, u"N'EW"_s));
    QCOMPARE(userNames(db), (QStringList{u"chief"_s, u"chief"_s, u"D'Arcy"_s, u"O'Hara"_s}));

    prompter.expectMessage(u"Success!"_s, u"User Updated"_s, PromptIcon::Information);
    QCOMPARE(manager.update(u"O'Hara"_s, {u"Scarlett"_s, u"TARA"_s, u"TARA"_s}),
             SecurityManager::Outcome::Done);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    const QString updated = storedPassword(db, u"Scarlett"_s);
    QVERIFY(PasswordHash::isHash(updated));
    QVERIFY(PasswordHash::matches(updated, u"TARA"_s));
    QCOMPARE(userNames(db), (QStringList{u"chief"_s, u"chief"_s, u"D'Arcy"_s, u"Scarlett"_s}));
    QCOMPARE(manager.userNames(),
             (QStringList{u"chief"_s, u"chief"_s, u"D'Arcy"_s, u"Scarlett"_s}));
}

void TestSecurityManager::deleteAsks_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("asked"); // the name in the question
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("extra"); // 1: a second O'Hara; -1: the chief's account removed
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("left");

    const QString deleted = u"User Deleted"_s;
    const int done = int(SecurityManager::Outcome::Done);
    const int refused = int(SecurityManager::Outcome::Refused);
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s %s", name, qPrintable(engine)) << engine;
        };
        row("Yes, hashed account") << u"O'Hara"_s << u"O'Hara"_s << true << 0 << deleted << done
                                   << QStringList{u"chief"_s};
        row("Yes, account from before hashing") << u" chief "_s << u"chief"_s << true << 0
                                                << deleted << done << QStringList{u"O'Hara"_s};
        row("No") << u"O'Hara"_s << u"O'Hara"_s << false << 0 << QString() << refused
                  << QStringList{u"chief"_s, u"O'Hara"_s};
        row("one of two of a name") << u"O'Hara"_s << u"O'Hara"_s << true << 1 << deleted << done
                                    << QStringList{u"chief"_s, u"O'Hara"_s};
        row("last account") << u"O'Hara"_s << u"O'Hara"_s << true << -1
                            << u"The last user cannot be deleted. Please add another user first."_s
                            << refused << QStringList{u"O'Hara"_s};
        row("unknown user") << u"nobody"_s << u"nobody"_s << true << 0
                            << u"There is no user nobody. No user was deleted."_s
                            << int(SecurityManager::Outcome::UserGone)
                            << QStringList{u"chief"_s, u"O'Hara"_s};
    }
}

void TestSecurityManager::deleteAsks()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QString, typed);
    QFETCH(QString, asked);
    QFETCH(bool, answer);
    QFETCH(int, extra);
    QFETCH(QString, message);
    QFETCH(int, outcome);
    QFETCH(QStringList, left);
    Database db(target.location());
    addAccounts(db);
    if (extra > 0)
        db.exec(u"insert into users (username,password) values (?,?)"_s,
                {u"O'Hara"_s, hashOf(u"other"_s)});
    if (extra < 0)
        db.exec(u"delete from users where username = 'chief'"_s);
    ScriptedPrompter prompter;
    prompter.expectQuestion(u"Confirm"_s, u"Delete user %1?"_s.arg(asked), answer);
    if (message == u"User Deleted"_s)
        prompter.expectMessage(u"Success!"_s, message, PromptIcon::Information);
    else if (!message.isEmpty())
        prompter.expectMessage(u"Error"_s, message, PromptIcon::Error);

    QCOMPARE(int(SecurityManager(db, prompter).remove(typed)), outcome);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(userNames(db), left);
    QVERIFY(!db.inTransaction());
}

void TestSecurityManager::updateOfGoneUser()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addAccounts(db);
    const QList<QStringList> before = allRows(db);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error"_s, u"The user nobody no longer exists. Please choose again."_s,
                           PromptIcon::Error);
    QCOMPARE(SecurityManager(db, prompter).update(u"nobody"_s, {u"x"_s, u"A"_s, u"A"_s}),
             SecurityManager::Outcome::UserGone);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(allRows(db), before);
}

void TestSecurityManager::capitals_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("small letters") << QString() << 0 << u"abc1!"_s << u"ABC1!"_s << 5;
    QTest::newRow("in the middle") << u"AD"_s << 1 << u"bc"_s << u"ABCD"_s << 3;
    QTest::newRow("a letter that grows") << u"AB"_s << 1 << u"ß"_s << u"ASSB"_s << 3;
}

void TestSecurityManager::capitals()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);
    CapitalsPasswordField field;
    field.setText(before);
    field.setCursorPosition(cursor);
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), after);
    QCOMPARE(field.cursorPosition(), cursorAfter);
    QCOMPARE(field.echoMode(), QLineEdit::Password);
}

void TestSecurityManager::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addAccounts(db);
    ScriptedPrompter prompter;
    bool checked = false;

    whenDialogOpens(this, [&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), u":: Security Settings ::"_s);
        auto *list = dialog->findChild<QListWidget *>(u"userList"_s);
        auto *name = dialog->findChild<QLineEdit *>(u"userNameField"_s);
        auto *password = dialog->findChild<QLineEdit *>(u"passwordField"_s);
        auto *confirmation = dialog->findChild<QLineEdit *>(u"confirmationField"_s);
        auto *add = dialog->findChild<QPushButton *>(u"addButton"_s);
        auto *update = dialog->findChild<QPushButton *>(u"updateButton"_s);
        auto *remove = dialog->findChild<QPushButton *>(u"deleteButton"_s);
        QVERIFY(list && name && password && confirmation && add && update && remove);
        QCOMPARE(password->accessibleName(), u"Password:"_s);
        QCOMPARE(confirmation->echoMode(), QLineEdit::Password);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"chief"_s);

        // Choosing shows the name only; small letters are stored in capitals.
        password->setText(u"LEFT"_s);
        clickItem(list, list->item(0));
        QCOMPARE(name->text(), u"chief"_s);
        QVERIFY(password->text().isEmpty() && confirmation->text().isEmpty());
        QTest::keyClicks(password, u"new"_s);
        QTest::keyClicks(confirmation, u"new"_s);
        QTest::keyClick(confirmation, Qt::Key_Return);
        QCOMPARE(storedPassword(db, u"chief"_s), u"PLAIN"_s);
        prompter.expectMessage(u"Success!"_s, u"User Updated"_s, PromptIcon::Information);
        click(update);
        QVERIFY(PasswordHash::matches(storedPassword(db, u"chief"_s), u"NEW"_s));
        QVERIFY(name->text().isEmpty() && password->text().isEmpty());
        QVERIFY(list->selectedItems().isEmpty());

        QTest::keyClicks(name, u"deputy"_s);
        QTest::keyClicks(password, u"pw"_s);
        QTest::keyClicks(confirmation, u"pw"_s);
        prompter.expectMessage(u"Success!"_s, u"User Inserted"_s, PromptIcon::Information);
        click(add);
        QCOMPARE(list->count(), 3);

        // Delete asks about the chosen account; No keeps it.
        QListWidgetItem *deputy = list->findItems(u"deputy"_s, Qt::MatchExactly).value(0);
        QVERIFY(deputy);
        clickItem(list, deputy);
        QCOMPARE(name->text(), u"deputy"_s);
        prompter.expectQuestion(u"Confirm"_s, u"Delete user deputy?"_s, false);
        click(remove);
        QCOMPARE(name->text(), u"deputy"_s);
        QCOMPARE(list->count(), 3);
        prompter.expectQuestion(u"Confirm"_s, u"Delete user deputy?"_s, true);
        prompter.expectMessage(u"Success!"_s, u"User Deleted"_s, PromptIcon::Information);
        click(remove);
        QCOMPARE(list->count(), 2);
        QVERIFY(name->text().isEmpty());
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    SecurityManagerDialog::run(db, prompter, nullptr);
    QVERIFY(checked);
    QCOMPARE(userNames(db), (QStringList{u"chief"_s, u"O'Hara"_s}));

    // An empty table is reported and the dialog still opens, so a user can be added.
    db.exec(u"delete from users"_s);
    prompter.expectMessage(u"Error"_s, u"No users were found!Please add a user before continuing"_s,
                           PromptIcon::Error);
    bool opened = false;
    whenDialogOpens(this, [&](QDialog *) { opened = true; });
    SecurityManagerDialog::run(db, prompter, nullptr);
    QVERIFY(opened);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

QTEST_MAIN(TestSecurityManager)
#include "tst_securitymanager.moc"
