#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "breaks/core/BreakOptions.h"
#include "breaks/gui/BreakOptionsDialog.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList stored = {u"Tea"_s, u"Lunch"_s, u"Supper"_s, u"2"_s};

// A set-up database whose break settings hold `stored`.
void addSettings(Database &db)
{
    Schema::create(db);
    db.exec(u"update breaksettings set break1 = ?, break2 = ?, break3 = ?, numof = ?"_s,
            {stored[0], stored[1], stored[2], stored[3]});
}

// break1, break2, break3 and numof as stored.
QStringList settings(Database &db)
{
    const SqlRow row = db.first(u"select break1,break2,break3,numof from breaksettings"_s);
    return {row[u"break1"_s], row[u"break2"_s], row[u"break3"_s], row[u"numof"_s]};
}

void expectStored(ScriptedPrompter &prompter, const QString &names)
{
    prompter.expectMessage(u"Update!"_s, names, PromptIcon::Information);
    prompter.expectMessage(u"Success"_s, u"Please restart Chronel for changes to take effect!"_s,
                           PromptIcon::Information);
}

} // namespace

class TestBreakOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The wrong words for a count, names of later breaks overwritten, a refused name or a
    // missing count storing anything (the count included).
    void apply_data();
    void apply();
    // A name quoted into the statement.
    void quotedName_data() { TestDatabase::addEngineRows(); }
    void quotedName();
    // A database without its settings row opening the dialog.
    void missingRowIsReported();
    // Fields enabled other than by the count, "Clear" storing, Enter applying, or the
    // count chosen in an earlier opening lost.
    void dialog();
};

void TestBreakOptions::apply_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message"); // the refusal, or the names stored
    QTest::addColumn<QStringList>("after");

    const QString error = u"Please check that names for breaks are not empty!"_s;
    QTest::newRow("one") << u"1"_s << QStringList{u"Coffee"_s, QString(), QString()} << u"Update!"_s
                         << u"Break 1 name updated!"_s
                         << QStringList{u"Coffee"_s, u"Lunch"_s, u"Supper"_s, u"1"_s};
    QTest::newRow("two") << u"2"_s << QStringList{u"Coffee"_s, u"Smoke"_s, QString()}
                         << u"Update!"_s << u"Break 1 and Break 2 names updated!"_s
                         << QStringList{u"Coffee"_s, u"Smoke"_s, u"Supper"_s, u"2"_s};
    QTest::newRow("three") << u"3"_s << QStringList{u"Coffee"_s, u"Smoke"_s, u"Walk"_s}
                           << u"Update!"_s << u"Break 1,2 and Break 3 names updated!"_s
                           << QStringList{u"Coffee"_s, u"Smoke"_s, u"Walk"_s, u"3"_s};
    QTest::newRow("one, name empty")
        << u"1"_s << QStringList{QString(), u"x"_s, u"y"_s} << u"Error!"_s
        << u"Please enter in a name for break 1"_s << stored;
    QTest::newRow("two, second empty")
        << u"2"_s << QStringList{u"Coffee"_s, QString(), u"y"_s} << u"Error"_s << error << stored;
    QTest::newRow("two, first empty")
        << u"2"_s << QStringList{QString(), u"Smoke"_s, u"y"_s} << u"Error"_s << error << stored;
    QTest::newRow("three, third empty") << u"3"_s << QStringList{u"Coffee"_s, u"Smoke"_s, QString()}
                                        << u"Error"_s << error << stored;
    QTest::newRow("no count chosen")
        << QString() << QStringList{u"Coffee"_s, u"a"_s, u"b"_s} << u"Error!"_s
        << u"Please select number of breaks!"_s << stored;
}

void TestBreakOptions::apply()
{
    QFETCH(QString, count);
    QFETCH(QStringList, names);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addSettings(db);
    ScriptedPrompter prompter;
    const bool stores = after != stored;
    if (stores)
        expectStored(prompter, message);
    else
        prompter.expectMessage(caption, message, PromptIcon::Error);

    QCOMPARE(BreakOptions(db, prompter).apply(count, names), stores);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(settings(db), after);
    QCOMPARE(db.first(u"select enablebreaks from breaksettings"_s)[u"enablebreaks"_s], u"0"_s);
}

void TestBreakOptions::quotedName()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addSettings(db);
    ScriptedPrompter prompter;
    expectStored(prompter, u"Break 1 and Break 2 names updated!"_s);
    const QString name = u"O'Brien's <tea>; drop table breaks"_s;

    QVERIFY(BreakOptions(db, prompter).apply(u"2"_s, {name, u"Lunch"_s, QString()}));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(settings(db), (QStringList{name, u"Lunch"_s, u"Supper"_s, u"2"_s}));
    QCOMPARE(BreakOptions(db, prompter).names(), (QStringList{name, u"Lunch"_s, u"Supper"_s}));
}

void TestBreakOptions::missingRowIsReported()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"delete from breaksettings"_s);
    ScriptedPrompter prompter;
    prompter.expectError();
    QString chosen;
    BreakOptionsDialog::run(db, prompter, chosen, nullptr);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestBreakOptions::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addSettings(db);
    ScriptedPrompter prompter;
    QString chosen; // kept by the station for its whole run
    bool checked = false;

    whenDialogOpens(this, [&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), u":: Setup Break Options ::"_s);
        auto *count = dialog->findChild<QComboBox *>(u"breakCount"_s);
        QLineEdit *names[] = {dialog->findChild<QLineEdit *>(u"break1Name"_s),
                              dialog->findChild<QLineEdit *>(u"break2Name"_s),
                              dialog->findChild<QLineEdit *>(u"break3Name"_s)};
        auto *clear = dialog->findChild<QPushButton *>(u"clearNamesButton"_s);
        auto *apply = dialog->findChild<QPushButton *>(u"applyButton"_s);
        QVERIFY(count && names[0] && names[1] && names[2] && clear && apply);
        QCOMPARE(count->count(), 3);
        QCOMPARE(count->currentIndex(), -1);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(names[i]->text(), stored[i]);
            QVERIFY(!names[i]->isEnabled());
        }
        QVERIFY(!clear->autoDefault() && !apply->autoDefault());

        // The count opens that many name fields.
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Down);
        QCOMPARE(count->currentText(), u"1"_s);
        QVERIFY(names[0]->isEnabled() && !names[1]->isEnabled() && !names[2]->isEnabled());
        QTest::keyClick(count, Qt::Key_Down);
        QCOMPARE(count->currentText(), u"2"_s);
        QVERIFY(names[0]->isEnabled() && names[1]->isEnabled() && !names[2]->isEnabled());

        QTest::mouseClick(clear, Qt::LeftButton);
        for (QLineEdit *name : names)
            QVERIFY(name->text().isEmpty());
        QCOMPARE(settings(db), stored);

        QTest::keyClicks(names[0], u"Coffee"_s);
        QTest::keyClick(names[0], Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(settings(db), stored);

        prompter.expectMessage(u"Error"_s, u"Please check that names for breaks are not empty!"_s,
                               PromptIcon::Error);
        QTest::mouseClick(apply, Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(settings(db), stored);

        QTest::keyClicks(names[1], u"Smoke"_s);
        expectStored(prompter, u"Break 1 and Break 2 names updated!"_s);
        QTest::mouseClick(apply, Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(settings(db), (QStringList{u"Coffee"_s, u"Smoke"_s, u"Supper"_s, u"2"_s}));
        checked = true;
    });
    BreakOptionsDialog::run(db, prompter, chosen, nullptr);
    QVERIFY(checked);
    QCOMPARE(chosen, u"2"_s);

    // Opened again: nothing is chosen, yet "Apply!" stores the count chosen before.
    db.exec(u"update breaksettings set numof = '3'"_s);
    checked = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        QCOMPARE(dialog->findChild<QComboBox *>(u"breakCount"_s)->currentIndex(), -1);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"break2Name"_s)->text(), u"Smoke"_s);
        expectStored(prompter, u"Break 1 and Break 2 names updated!"_s);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"applyButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        checked = true;
    });
    BreakOptionsDialog::run(db, prompter, chosen, nullptr);
    QVERIFY(checked);
    QCOMPARE(settings(db), (QStringList{u"Coffee"_s, u"Smoke"_s, u"Supper"_s, u"2"_s}));
}

QTEST_MAIN(TestBreakOptions)
#include "tst_breakoptions.moc"
