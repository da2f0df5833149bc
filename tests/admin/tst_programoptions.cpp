#include "Clicks.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "admin/core/ProgramOptions.h"
#include "admin/gui/ProgramOptionsDialog.h"
#include "platform/gui/TimeField.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StationOptions.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Time = ProgramOptions::Time;
using Switches = ProgramOptions::Switches;

const QString restart = u"Please restart Chronel for changes to take effect!"_s;
const QString breaksQuestion =
    u"Please note breaks will now be disabled as breaks require the confirmation option to be "
    "enabled.Are you sure you want to disable the confirmation box and disable breaks?"_s;
const QString confirmationNote =
    u"Clock in confirmation will also be enabled as this is required for breaks to "
    "function.Please restart Chronel for changes to take effect!"_s;
const QString noEmployees = u"Error,please add an employee before enabling breaks"_s;

QString column(Database &db, const QString &table, const QString &name)
{
    return db.first(u"select %1 from %2"_s.arg(name, table))[name];
}

// The break rows as "card used1 used2 used3", sorted.
QStringList usedBreaks(Database &db)
{
    return sorted(rowsOf(db, {u"employee"_s, u"used1"_s, u"used2"_s, u"used3"_s}, u"usedbreaks"_s));
}

void setSwitches(Database &db, const Switches &switches)
{
    db.exec(u"update con set active = ?"_s, {switches.confirmation ? u"1"_s : u"0"_s});
    db.exec(u"update breaksettings set enablebreaks = ?, enableauth = ?"_s,
            {switches.breaks ? u"1"_s : u"0"_s, switches.authorisation ? u"1"_s : u"0"_s});
    if (switches.kiosk)
        db.exec(u"insert into options (name,value) values (?,'1')"_s, {StationOptions::kiosk});
}

void addEmployees(Database &db)
{
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042'),('Bob','17')"_s);
}

void storeSenders(Database &db, const QString &senders)
{
    db.exec(u"insert into options (name,value) values (?,?)"_s,
            {StationOptions::breakRequestSenders, senders});
}

void scriptRestart(ScriptedPrompter &prompter)
{
    prompter.expectMessage(u"Changes"_s, restart, PromptIcon::Information);
}

} // namespace

Q_DECLARE_METATYPE(ProgramOptions::Time)

class TestProgramOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The confirmation, break and authorisation switches drifting apart, a declined or
    // refused change written anyway, break rows left behind or missing, or the boxes
    // showing something other than what was stored.
    void switches_data();
    void switches();
    // Enabling breaks again doubles the rows of employees that have them, resets their
    // marks, or gives two employees on one card two rows.
    void breakRowsOnlyWhereMissing_data() { TestDatabase::addEngineRows(); }
    void breakRowsOnlyWhereMissing();
    // A switch change that fails halfway keeps its first statements.
    void switchChangeIsWhole_data() { TestDatabase::addEngineRows(); }
    void switchChangeIsWhole();
    // A time stored without leading zeros, in the wrong column, or an incomplete or
    // out-of-range time stored at all.
    void times_data();
    void times();
    // An address that is no IPv4 address or host name accepted, a good one refused, or
    // blanks stored with it.
    void managerAddress_data();
    void managerAddress();
    // The supervisors' idle log-out: a bad number stored, a good one lost, a second
    // save adding a row, or an older database without the options table failing.
    void supervisorIdleMinutes_data();
    void supervisorIdleMinutes();
    // A host list with an entry that is no address or host name stored, a good one
    // refused, an empty one not meaning every host, or its separators stored as typed.
    void breakRequestSenders_data();
    void breakRequestSenders();
    // The dialog not showing what is stored, its fields not checked as typed, a button
    // or box that does not write, or Enter writing.
    void dialog();
    // A switch that stores only a mouse click: Space or a screen reader's toggle
    // changes the box and nothing is written; or showing the outcome writing again.
    void switchByAnyMeans_data();
    void switchByAnyMeans();
};

void TestProgramOptions::switches_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("box"); // confirmation, breaks, authorisation or kiosk
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>(
        "before"); // confirmation, breaks, authorisation, kiosk as bits 1, 2, 4, 8
    QTest::addColumn<bool>("answer");  // to the breaks question, when it is asked
    QTest::addColumn<bool>("staffed"); // employees on file
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("breakRows");

    const QString ask = u"ask"_s;
    const QString note = u"note"_s;
    const QString refused = u"refused"_s;
    const QString changes = u"restart"_s;
    constexpr int confirmation = 1, breaks = 2, authorisation = 4, kiosk = 8;
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s %s", name, qPrintable(engine)) << engine;
        };
        row("confirmation on") << u"confirmation"_s << true << 0 << false << true
                               << QStringList{changes} << confirmation << 0;
        row("confirmation on, breaks on") << u"confirmation"_s << true << breaks << false << true
                                          << QStringList{changes} << confirmation + breaks << 2;
        row("confirmation off, breaks on, Yes")
            << u"confirmation"_s << false << confirmation + breaks + authorisation << true << true
            << QStringList{ask, changes} << authorisation << 0;
        row("confirmation off, breaks on, No")
            << u"confirmation"_s << false << confirmation + breaks << false << true
            << QStringList{ask} << confirmation + breaks << 2;
        row("confirmation off, breaks off") << u"confirmation"_s << false << confirmation << false
                                            << true << QStringList{changes} << 0 << 0;
        row("breaks off") << u"breaks"_s << false << confirmation + breaks << false << true
                          << QStringList{changes} << confirmation << 0;
        row("breaks on") << u"breaks"_s << true << 0 << false << true << QStringList{note, changes}
                         << confirmation + breaks << 2;
        row("breaks on, confirmation already on")
            << u"breaks"_s << true << confirmation << false << true << QStringList{note, changes}
            << confirmation + breaks << 2;
        row("breaks on without employees")
            << u"breaks"_s << true << 0 << false << false << QStringList{refused} << 0 << 0;
        row("authorisation on") << u"authorisation"_s << true << confirmation << false << true
                                << QStringList{changes} << confirmation + authorisation << 0;
        row("authorisation off") << u"authorisation"_s << false << authorisation << false << true
                                 << QStringList{changes} << 0 << 0;
        row("kiosk on") << u"kiosk"_s << true << confirmation << false << true
                        << QStringList{changes} << confirmation + kiosk << 0;
        row("kiosk off") << u"kiosk"_s << false << kiosk + breaks << false << true
                         << QStringList{changes} << breaks << 2;
        row("breaks off, kiosk stays")
            << u"breaks"_s << false << confirmation + breaks + kiosk << false << true
            << QStringList{changes} << confirmation + kiosk << 0;
    }
}

void TestProgramOptions::switches()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QString, box);
    QFETCH(bool, on);
    QFETCH(int, before);
    QFETCH(bool, answer);
    QFETCH(bool, staffed);
    QFETCH(QStringList, prompts);
    QFETCH(int, after);
    QFETCH(int, breakRows);
    const auto switchesOf = [](int bits) {
        return Switches{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
    };

    Database db(target.location());
    Schema::create(db);
    if (staffed)
        addEmployees(db);
    const Switches shown = switchesOf(before);
    setSwitches(db, shown);
    if (shown.breaks)
        db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values "
                "('0042','1','0','0'),('17','0','0','0')"_s);
    ScriptedPrompter prompter;
    for (const QString &prompt : std::as_const(prompts)) {
        if (prompt == u"ask"_s)
            prompter.expectQuestion(u"Breaks"_s, breaksQuestion, answer);
        else if (prompt == u"note"_s)
            prompter.expectMessage(u"Changes"_s, confirmationNote, PromptIcon::Information);
        else if (prompt == u"refused"_s)
            prompter.expectMessage(u"Error!"_s, noEmployees, PromptIcon::Error);
        else
            scriptRestart(prompter);
    }

    ProgramOptions options(db, prompter);
    Switches result;
    if (box == u"confirmation"_s)
        result = options.setConfirmation(shown, on);
    else if (box == u"breaks"_s)
        result = options.setBreaks(shown, on);
    else if (box == u"kiosk"_s)
        result = options.setKiosk(shown, on);
    else
        result = options.setAuthorisation(shown, on);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    const Switches expected = switchesOf(after);
    QCOMPARE(result.confirmation, expected.confirmation);
    QCOMPARE(result.breaks, expected.breaks);
    QCOMPARE(result.authorisation, expected.authorisation);
    QCOMPARE(result.kiosk, expected.kiosk);
    QCOMPARE(options.load()->switches, expected);
    QCOMPARE(usedBreaks(db).size(), breakRows);
    QVERIFY(!db.inTransaction());
}

void TestProgramOptions::breakRowsOnlyWhereMissing()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    // Cid shares Bob's card; Dan's row is left from breaks enabled by hand.
    db.exec(u"insert into employees (employee,cardnum) values "
            "('Ann','0042'),('Bob','17'),('Cid','17'),('Dan','0099')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('0099','2','1','0')"_s);
    ScriptedPrompter prompter;
    ProgramOptions options(db, prompter);
    const QStringList expected = {u"0042 0 0 0"_s, u"0099 2 1 0"_s, u"17 0 0 0"_s};

    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Changes"_s, confirmationNote, PromptIcon::Information);
        scriptRestart(prompter);
        const Switches result = options.setBreaks({}, true);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(result.breaks && result.confirmation);
        QCOMPARE(usedBreaks(db), expected);
    }
}

void TestProgramOptions::switchChangeIsWhole()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    addEmployees(db);
    const Switches shown{true, true, false};
    setSwitches(db, shown);
    // The last statement of the change, the removal of the break rows, cannot run.
    db.exec(u"drop table usedbreaks"_s);
    ScriptedPrompter prompter;
    prompter.expectQuestion(u"Breaks"_s, breaksQuestion, true);
    prompter.expectError();

    ProgramOptions options(db, prompter);
    const Switches result = options.setConfirmation(shown, false);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(result, shown);
    QCOMPARE(column(db, u"con"_s, u"active"_s), u"1"_s);
    QCOMPARE(column(db, u"breaksettings"_s, u"enablebreaks"_s), u"1"_s);
    QVERIFY(!db.inTransaction());
}

void TestProgramOptions::times_data()
{
    QTest::addColumn<Time>("time");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("early") << Time::EarlyCutOff << QStringList{u"16"_s, u"30"_s, u"00"_s}
                           << u"16:30:00"_s;
    QTest::newRow("late") << Time::LateCutOff << QStringList{u"18"_s, u"05"_s, u"59"_s}
                          << u"18:05:59"_s;
    QTest::newRow("auto login") << Time::AutoLogIn << QStringList{u"00"_s, u"00"_s, u"00"_s}
                                << u"00:00:00"_s;
    QTest::newRow("auto log off") << Time::AutoLogOut << QStringList{u"23"_s, u"59"_s, u"59"_s}
                                  << u"23:59:59"_s;
    QTest::newRow("one-digit parts")
        << Time::AutoLogOut << QStringList{u"8"_s, u"0"_s, u"5"_s} << u"08:00:05"_s;
    QTest::newRow("hour empty") << Time::EarlyCutOff << QStringList{QString(), u"30"_s, u"00"_s}
                                << QString();
    QTest::newRow("minute empty") << Time::LateCutOff << QStringList{u"16"_s, QString(), u"00"_s}
                                  << QString();
    QTest::newRow("second empty") << Time::AutoLogIn << QStringList{u"16"_s, u"30"_s, QString()}
                                  << QString();
    QTest::newRow("hour 24") << Time::AutoLogOut << QStringList{u"24"_s, u"00"_s, u"00"_s}
                             << QString();
    QTest::newRow("letters") << Time::AutoLogIn << QStringList{u"8a"_s, u"00"_s, u"00"_s}
                             << QString();
    QTest::newRow("quote") << Time::AutoLogIn << QStringList{u"'"_s, u"00"_s, u"00"_s} << QString();
}

void TestProgramOptions::times()
{
    QFETCH(Time, time);
    QFETCH(QStringList, parts);
    QFETCH(QString, stored);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update settings set eco = '1', lco = '2', ali = '3', alo = '4', ipadd = '5'"_s);
    const QStringList columns = {u"eco"_s, u"lco"_s, u"ali"_s, u"alo"_s};
    QStringList expected = {u"1"_s, u"2"_s, u"3"_s, u"4"_s};
    const QStringList messages = {u"Early cut off"_s, u"Late cut off"_s, u"Auto login"_s,
                                  u"Auto logout"_s};
    ScriptedPrompter prompter;
    if (stored.isEmpty()) {
        prompter.expectMessage(u"Error"_s, u"Please check time values!"_s, PromptIcon::Error);
    } else {
        expected[int(time)] = stored;
        prompter.expectMessage(
            u"Success"_s,
            messages[int(time)] +
                u" time updated.Please restart Chronel for changes to take effect!"_s,
            PromptIcon::Information);
    }

    const std::optional<QString> result =
        ProgramOptions(db, prompter).updateTime(time, TimeEntry(parts[0], parts[1], parts[2]));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(result.value_or(QString()), stored);
    QStringList now;
    for (const QString &name : columns)
        now << column(db, u"settings"_s, name);
    QCOMPARE(now, expected);
    QCOMPARE(column(db, u"settings"_s, u"ipadd"_s), u"5"_s);
}

void TestProgramOptions::supervisorIdleMinutes_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // -1: refused, the default stays
    const QString sqlite = u"sqlite"_s;
    QTest::newRow("never set") << sqlite << QString() << -1;
    QTest::newRow("five") << sqlite << u"5"_s << 5;
    QTest::newRow("five on a server") << u"postgresql"_s << u" 5 "_s << 5;
    QTest::newRow("never log out") << sqlite << u"0"_s << 0;
    QTest::newRow("a day") << sqlite << u"1440"_s << 1440;
    QTest::newRow("over a day") << sqlite << u"1441"_s << -1;
    QTest::newRow("negative") << sqlite << u"-1"_s << -1;
    QTest::newRow("letters") << sqlite << u"ten"_s << -1;
}

void TestProgramOptions::supervisorIdleMinutes()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    ProgramOptions options(db, prompter);
    QCOMPARE(options.load()->supervisorIdleMinutes, 10);
    if (typed.isNull())
        return;

    for (int round = 1; round <= 2; ++round) {
        if (stored < 0)
            prompter.expectMessage(
                u"Error!"_s,
                u"Please enter the minutes as a whole number from 0 (never log out) to 1440."_s,
                PromptIcon::Error);
        else
            prompter.expectMessage(u"Success"_s,
                                   u"Supervisor log-out time updated.Please restart Chronel for "
                                   "changes to take effect!"_s,
                                   PromptIcon::Information);
        QCOMPARE(options.updateSupervisorIdleMinutes(typed),
                 stored < 0 ? std::nullopt : std::optional<int>(stored));
    }
    QCOMPARE(options.load()->supervisorIdleMinutes, stored < 0 ? 10 : stored);
    QCOMPARE(db.select(u"select value from options"_s).size(), stored < 0 ? 0 : 1);
}

void TestProgramOptions::managerAddress_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused

    const QString sqlite = u"sqlite"_s;
    QTest::newRow("IPv4") << sqlite << u"192.168.0.10"_s << u"192.168.0.10"_s;
    QTest::newRow("IPv4 on a server") << u"postgresql"_s << u"10.0.0.254"_s << u"10.0.0.254"_s;
    QTest::newRow("blanks around") << sqlite << u" 10.1.2.3 "_s << u"10.1.2.3"_s;
    QTest::newRow("host name") << sqlite << u"manager-pc"_s << u"manager-pc"_s;
    QTest::newRow("qualified host name")
        << sqlite << u"Boss.office.example.com"_s << u"Boss.office.example.com"_s;
    QTest::newRow("digit-led label") << sqlite << u"3com.example"_s << u"3com.example"_s;
    QTest::newRow("63-character label") << sqlite << QString(63, u'a') << QString(63, u'a');
    QTest::newRow("empty") << sqlite << QString() << QString();
    QTest::newRow("only blanks") << sqlite << u"   "_s << QString();
    QTest::newRow("octet over 255") << sqlite << u"192.168.0.256"_s << QString();
    QTest::newRow("three octets") << sqlite << u"10.1.1"_s << QString();
    QTest::newRow("five octets") << sqlite << u"10.1.1.1.1"_s << QString();
    QTest::newRow("leading zero") << sqlite << u"10.01.1.1"_s << QString();
    QTest::newRow("empty octet") << sqlite << u"10..1.1"_s << QString();
    QTest::newRow("numeric last label") << sqlite << u"host.123"_s << QString();
    QTest::newRow("hyphen first") << sqlite << u"-pc"_s << QString();
    QTest::newRow("hyphen last") << sqlite << u"pc-"_s << QString();
    QTest::newRow("underscore") << sqlite << u"pc_1"_s << QString();
    QTest::newRow("trailing dot") << sqlite << u"pc."_s << QString();
    QTest::newRow("64-character label") << sqlite << QString(64, u'a') << QString();
    QTest::newRow("quote") << sqlite << u"O'Brien-pc"_s << QString();
    QTest::newRow("blank inside") << sqlite << u"manager pc"_s << QString();
    QTest::newRow("statement") << sqlite << u"1.2.3.4'; delete from settings; --"_s << QString();
    QStringList labels(5, QString(50, u'a'));
    QTest::newRow("name over 253 characters") << sqlite << labels.join(u'.') << QString();
}

void TestProgramOptions::managerAddress()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update settings set ipadd = '10.0.0.1'"_s);
    ScriptedPrompter prompter;
    if (stored.isEmpty() && typed.trimmed().isEmpty())
        prompter.expectMessage(u"Error!"_s, u"Please enter in a valid ip address"_s,
                               PromptIcon::Error);
    else if (stored.isEmpty())
        prompter.expectMessage(u"Error!"_s,
                               u"Please enter in a valid ip address (for example 192.168.0.10) "
                               "or host name (for example manager-pc)"_s,
                               PromptIcon::Error);
    else
        prompter.expectMessage(
            u"Success"_s, u"Ip Adress updated.Please restart Chronel for changes to take effect!"_s,
            PromptIcon::Information);

    const std::optional<QString> result = ProgramOptions(db, prompter).updateManagerAddress(typed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(result.value_or(QString()), stored);
    QCOMPARE(column(db, u"settings"_s, u"ipadd"_s), stored.isEmpty() ? u"10.0.0.1"_s : stored);
    QCOMPARE(db.select(u"select ipadd from settings"_s).size(), 1);
}

void TestProgramOptions::breakRequestSenders_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // null: refused
    QTest::addColumn<QString>("refused"); // the entry named in the refusal

    const QString sqlite = u"sqlite"_s;
    QTest::newRow("empty: any host") << sqlite << QString() << u""_s << QString();
    QTest::newRow("only blanks: any host") << sqlite << u"  ,  "_s << u""_s << QString();
    QTest::newRow("IPv4") << sqlite << u"192.168.0.10"_s << u"192.168.0.10"_s << QString();
    QTest::newRow("IPv6") << sqlite << u"fe80::1"_s << u"fe80::1"_s << QString();
    QTest::newRow("host name") << sqlite << u"manager-pc"_s << u"manager-pc"_s << QString();
    QTest::newRow("commas and blanks") << sqlite << u" 10.0.0.1,boss-pc  ::1 ,, 192.168.1.7 "_s
                                       << u"10.0.0.1, boss-pc, ::1, 192.168.1.7"_s << QString();
    QTest::newRow("list on a server")
        << u"postgresql"_s << u"10.0.0.1 boss-pc"_s << u"10.0.0.1, boss-pc"_s << QString();
    QTest::newRow("octet over 255")
        << sqlite << u"10.0.0.1, 10.0.0.256"_s << QString() << u"10.0.0.256"_s;
    QTest::newRow("bad IPv6") << sqlite << u"fe80:::1"_s << QString() << u"fe80:::1"_s;
    QTest::newRow("underscore") << sqlite << u"boss_pc"_s << QString() << u"boss_pc"_s;
    QTest::newRow("markup") << sqlite << u"<b>boss</b>"_s << QString() << u"<b>boss</b>"_s;
    QTest::newRow("quote") << sqlite << u"O'Brien-pc"_s << QString() << u"O'Brien-pc"_s;
    QTest::newRow("semicolon") << u"postgresql"_s << u"10.0.0.1;10.0.0.2"_s << QString()
                               << u"10.0.0.1;10.0.0.2"_s;
}

void TestProgramOptions::breakRequestSenders()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, refused);
    Database db(target.location());
    Schema::create(db);
    const QString before = u"10.9.9.9"_s;
    storeSenders(db, before);
    ScriptedPrompter prompter;
    if (stored.isNull())
        prompter.expectMessage(
            u"Error!"_s,
            u"\"%1\" is not a valid ip address or host name. Please enter addresses (for example "
            "192.168.0.10 or fe80::1) or host names (for example manager-pc), separated by "
            "commas or blanks"_s.arg(refused),
            PromptIcon::Error);
    else
        prompter.expectMessage(u"Success"_s,
                               u"Break request senders updated.Please restart Chronel for "
                               "changes to take effect!"_s,
                               PromptIcon::Information);

    ProgramOptions options(db, prompter);
    const std::optional<QString> result = options.updateBreakRequestSenders(typed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(result.has_value(), !stored.isNull());
    QCOMPARE(result.value_or(QString()), stored.isNull() ? QString() : stored);
    const QString now = stored.isNull() ? before : stored;
    QCOMPARE(StationOptions(db).text(StationOptions::breakRequestSenders, u"unset"_s), now);
    QCOMPARE(options.load()->breakRequestSenders, now);
    QCOMPARE(db.select(u"select value from options"_s).size(), 1);
    QVERIFY(!db.inTransaction());
}

void TestProgramOptions::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update settings set ipadd = 'boss-pc', eco = '16:00:00', lco = '18:00:00', "
            "ali = '07:00:00', alo = '22:00:00'"_s);
    setSwitches(db, {true, false, true});
    addEmployees(db);
    storeSenders(db, u"10.0.0.7"_s);
    ScriptedPrompter prompter;
    bool checked = false;

    whenDialogOpens(this, [&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->windowTitle(), u":: Program Options ::"_s);
        const auto edit = [&](const QString &name) { return dialog->findChild<QLineEdit *>(name); };
        const auto button = [&](const QString &name) {
            return dialog->findChild<QPushButton *>(name);
        };
        const auto box = [&](const QString &name) { return dialog->findChild<QCheckBox *>(name); };
        QCOMPARE(edit(u"currentAddress"_s)->text(), u"boss-pc"_s);
        QVERIFY(!edit(u"currentAddress"_s)->isEnabled());
        QCOMPARE(edit(u"earlyCutOffCurrent"_s)->text(), u"16:00:00"_s);
        QCOMPARE(edit(u"lateCutOffCurrent"_s)->text(), u"18:00:00"_s);
        QCOMPARE(edit(u"autoLogInCurrent"_s)->text(), u"07:00:00"_s);
        QCOMPARE(edit(u"autoLogOutCurrent"_s)->text(), u"22:00:00"_s);
        QVERIFY(box(u"confirmationBox"_s)->isChecked());
        QVERIFY(!box(u"breaksBox"_s)->isChecked());
        QVERIFY(box(u"authorisationBox"_s)->isChecked());
        for (QPushButton *pushButton : dialog->findChildren<QPushButton *>())
            QVERIFY(!pushButton->autoDefault());

        // The auto log off time: letters are not taken, hour 24 is refused and emptied,
        // one digit is stored with its leading zero.
        auto *logOff = dialog->findChild<TimeField *>(u"autoLogOut"_s);
        QVERIFY(logOff);
        prompter.expectMessage(u"Error!"_s, u"Invalid hour entered!"_s, PromptIcon::Error);
        QTest::keyClicks(logOff->hourEdit(), u"x24"_s);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(logOff->hourEdit()->text().isEmpty());
        QTest::keyClicks(logOff->hourEdit(), u"21"_s);
        QCOMPARE(QApplication::focusWidget(), logOff->minuteEdit());
        QTest::keyClicks(logOff->minuteEdit(), u"5"_s);
        QTest::keyClick(logOff->minuteEdit(), Qt::Key_Return);
        QCOMPARE(column(db, u"settings"_s, u"alo"_s), u"22:00:00"_s);
        QTest::keyClicks(logOff->secondEdit(), u"0"_s);
        prompter.expectMessage(
            u"Success"_s,
            u"Auto logout time updated.Please restart Chronel for changes to take effect!"_s,
            PromptIcon::Information);
        QTest::mouseClick(button(u"autoLogOutButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(column(db, u"settings"_s, u"alo"_s), u"21:05:00"_s);
        QCOMPARE(edit(u"autoLogOutCurrent"_s)->text(), u"21:05:00"_s);
        QVERIFY(logOff->hourEdit()->text().isEmpty() && logOff->secondEdit()->text().isEmpty());

        // An empty time field refuses the update.
        prompter.expectMessage(u"Error"_s, u"Please check time values!"_s, PromptIcon::Error);
        QTest::mouseClick(button(u"earlyCutOffButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));

        // The address: Clear empties the field only; Update stores it and shows it.
        QTest::keyClicks(edit(u"managerAddress"_s), u"zz"_s);
        QTest::mouseClick(button(u"clearAddressButton"_s), Qt::LeftButton);
        QVERIFY(edit(u"managerAddress"_s)->text().isEmpty());
        QTest::keyClicks(edit(u"managerAddress"_s), u"192.168.1.20"_s);
        prompter.expectMessage(
            u"Success"_s, u"Ip Adress updated.Please restart Chronel for changes to take effect!"_s,
            PromptIcon::Information);
        QTest::mouseClick(button(u"updateAddressButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(edit(u"currentAddress"_s)->text(), u"192.168.1.20"_s);
        QVERIFY(edit(u"managerAddress"_s)->text().isEmpty());
        QCOMPARE(column(db, u"settings"_s, u"ipadd"_s), u"192.168.1.20"_s);

        // The hosts whose break requests are shown: stored tidied and shown as stored.
        QLineEdit *senders = edit(u"breakRequestSenders"_s);
        QCOMPARE(senders->text(), u"10.0.0.7"_s);
        QVERIFY(!senders->accessibleName().isEmpty());
        senders->clear();
        QTest::keyClicks(senders, u"10.0.0.8 boss-pc"_s);
        QTest::keyClick(senders, Qt::Key_Return);
        QCOMPARE(StationOptions(db).text(StationOptions::breakRequestSenders), u"10.0.0.7"_s);
        prompter.expectMessage(u"Success"_s,
                               u"Break request senders updated.Please restart Chronel for "
                               "changes to take effect!"_s,
                               PromptIcon::Information);
        QTest::mouseClick(button(u"updateSendersButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QCOMPARE(senders->text(), u"10.0.0.8, boss-pc"_s);
        QCOMPARE(StationOptions(db).text(StationOptions::breakRequestSenders),
                 u"10.0.0.8, boss-pc"_s);

        // Breaks on; then confirmation off, declined, leaves both boxes checked.
        prompter.expectMessage(u"Changes"_s, confirmationNote, PromptIcon::Information);
        scriptRestart(prompter);
        clickBox(box(u"breaksBox"_s));
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(box(u"breaksBox"_s)->isChecked());
        QCOMPARE(usedBreaks(db).size(), 2);
        prompter.expectQuestion(u"Breaks"_s, breaksQuestion, false);
        clickBox(box(u"confirmationBox"_s));
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(box(u"confirmationBox"_s)->isChecked());
        QVERIFY(box(u"breaksBox"_s)->isChecked());
        // Accepted, it clears both.
        prompter.expectQuestion(u"Breaks"_s, breaksQuestion, true);
        scriptRestart(prompter);
        clickBox(box(u"confirmationBox"_s));
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(!box(u"confirmationBox"_s)->isChecked());
        QVERIFY(!box(u"breaksBox"_s)->isChecked());
        QCOMPARE(column(db, u"con"_s, u"active"_s), u"0"_s);
        QVERIFY(usedBreaks(db).isEmpty());

        // Kiosk mode is stored for the next start.
        QVERIFY(!box(u"kioskBox"_s)->isChecked());
        scriptRestart(prompter);
        clickBox(box(u"kioskBox"_s));
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(box(u"kioskBox"_s)->isChecked());
        QCOMPARE(StationOptions(db).text(StationOptions::kiosk), u"1"_s);

        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    ProgramOptionsDialog::run(db, prompter, nullptr);
    QVERIFY(checked);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(column(db, u"breaksettings"_s, u"enableauth"_s), u"1"_s);
}

void TestProgramOptions::switchByAnyMeans_data()
{
    QTest::addColumn<QString>("means");
    QTest::addColumn<bool>("declined"); // confirmation off, the breaks question answered No

    for (const QString &means : {u"mouse"_s, u"space"_s, u"toggle action"_s}) {
        QTest::addRow("breaks on by %s", qPrintable(means)) << means << false;
        QTest::addRow("confirmation off by %s, declined", qPrintable(means)) << means << true;
    }
}

void TestProgramOptions::switchByAnyMeans()
{
    QFETCH(QString, means);
    QFETCH(bool, declined);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    addEmployees(db);
    const Switches before = declined ? Switches{true, true, false} : Switches{};
    setSwitches(db, before);
    ScriptedPrompter prompter;
    const std::optional<ProgramOptions::Stored> stored = ProgramOptions(db, prompter).load();
    QVERIFY(stored);
    ProgramOptionsDialog dialog(db, prompter, *stored);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *box = dialog.findChild<QCheckBox *>(declined ? u"confirmationBox"_s : u"breaksBox"_s);
    QVERIFY(box);
    if (declined) {
        prompter.expectQuestion(u"Breaks"_s, breaksQuestion, false);
    } else {
        prompter.expectMessage(u"Changes"_s, confirmationNote, PromptIcon::Information);
        scriptRestart(prompter);
    }

    if (means == u"mouse"_s) {
        clickBox(box);
    } else if (means == u"space"_s) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    } else {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    const Switches after = declined ? before : Switches{true, true, false};
    QCOMPARE(ProgramOptions(db, prompter).load()->switches, after);
    QCOMPARE(dialog.findChild<QCheckBox *>(u"confirmationBox"_s)->isChecked(), after.confirmation);
    QCOMPARE(dialog.findChild<QCheckBox *>(u"breaksBox"_s)->isChecked(), after.breaks);
    QCOMPARE(usedBreaks(db).size(), declined ? 0 : 2);
}

QTEST_MAIN(TestProgramOptions)
#include "tst_programoptions.moc"
