#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "admin/core/CompanySetup.h"
#include "admin/core/EmployeeManager.h"
#include "admin/core/NetworkOptions.h"
#include "admin/core/ProgramOptions.h"
#include "admin/core/SecurityManager.h"
#include "breaks/core/BreakOptions.h"
#include "breaks/core/ManualBreakEntry.h"
#include "station/core/ManualClocking.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "store/Schema.h"
#include "store/TextInput.h"
#include "wizard/core/WizardSteps.h"

#include <QFile>
#include <QTest>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

// Hostile text typed into every free-text field: each is either refused with a message
// and nothing is stored, or stored and read back as typed (without surrounding blanks)
// on both engines.

namespace {

enum class Expect
{
    Stored,
    Empty,
    Unstorable,
    TooLong,
    Blanks,
};

struct Hostile
{
    const char *tag;
    QString typed;
    Expect expect;
    QString stored; // when stored: the text read back
};

Hostile kept(const char *tag, const QString &typed)
{
    return {tag, typed, Expect::Stored, typed};
}

Hostile refusedAs(const char *tag, const QString &typed, Expect expect)
{
    return {tag, typed, expect, {}};
}

const QList<Hostile> &hostileTexts()
{
    static const QList<Hostile> all = {
        kept("quote", u"O'Brien"_s),
        kept("double quote and semicolon", u"Ann \"Nan\"; drop table users"_s),
        kept("markup", u"<b>x</b> &amp; <script>alert(1)</script>"_s),
        kept("emoji", u"Zo\u00eb \U0001F44D\U0001F3FD\U0001F552"_s),
        kept("right-to-left", u"\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627\u200f"_s),
        kept("leading zeros", u"007"_s),
        kept("huge number", u"99999999999999999999999999999999999999"_s),
        kept("255 characters", QString(TextInput::longestText, u'\u00e9')),
        {"surrounding blanks", u"  Ann Lee \u00a0\t\n"_s, Expect::Stored, u"Ann Lee"_s},
        refusedAs("10k characters", QString(10000, u'x'), Expect::TooLong),
        refusedAs("blanks only", u"  \u00a0 "_s, Expect::Empty),
        refusedAs("NUL", u"Ann\0Lee"_s, Expect::Unstorable),
        refusedAs("tab inside", u"Ann\tLee"_s, Expect::Unstorable),
        refusedAs("line break inside", u"Ann\r\nLee"_s, Expect::Unstorable),
        refusedAs("escape sequence", u"\x1b[31mAnn"_s, Expect::Unstorable),
        refusedAs("DEL", u"Ann\x7f"_s, Expect::Unstorable),
        refusedAs("C1 control", u"Ann\x9bLee"_s, Expect::Unstorable),
        refusedAs("lone high surrogate", u"Ann"_s + QChar(0xd83d), Expect::Unstorable),
        refusedAs("lone low surrogate", QChar(0xdc4d) + u"Ann"_s, Expect::Unstorable),
        refusedAs("surrogates reversed", u"Ann"_s + QChar(0xdc4d) + QChar(0xd83d),
                  Expect::Unstorable),
    };
    return all;
}

const QList<Hostile> &hostileCards()
{
    static const QList<Hostile> all = {
        kept("hex identifier", u"04A3F2B9c1"_s),
        kept("leading zeros", u"000123"_s),
        kept("huge number", u"18446744073709551616"_s),
        kept("quote", u"12'3"_s),
        kept("32 characters", QString(TextInput::longestCardNumber, u'9')),
        refusedAs("33 characters", QString(TextInput::longestCardNumber + 1, u'9'),
                  Expect::TooLong),
        refusedAs("blank inside", u"12 34"_s, Expect::Blanks),
        refusedAs("blank around", u"1234 "_s, Expect::Blanks),
        refusedAs("blanks only", u"   "_s, Expect::Empty),
        refusedAs("NUL",
                  u"12\0"
                  "34"_s,
                  Expect::Unstorable),
        refusedAs("line break", u"1234\n"_s, Expect::Unstorable),
        refusedAs("lone surrogate", u"12"_s + QChar(0xd800), Expect::Unstorable),
    };
    return all;
}

const QStringList engines = {u"sqlite"_s, u"postgresql"_s};

// The refusal for a problem other than emptiness, which each dialog words itself.
QString refusal(Expect expect, const QString &field, qsizetype longest = TextInput::longestText)
{
    switch (expect) {
    case Expect::Unstorable:
        return u"The %1 contains characters that cannot be stored (control or invalid "
               u"characters). Please retype it."_s.arg(field);
    case Expect::TooLong:
        return u"The %1 is too long. Please shorten it to %2 characters at most."_s.arg(field).arg(
            longest);
    case Expect::Blanks:
        return u"The %1 must not contain blanks. Please retype it."_s.arg(field);
    case Expect::Stored:
    case Expect::Empty:
        break;
    }
    return {};
}

struct Message
{
    QString caption;
    QString text;
};

// The columns every table below shares.
void addColumns()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("through");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // null: refused
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message"); // the refusal; null: none
}

// One row per engine, way in and hostile text. `empty` is the dialog's own message for
// an empty field; `field` names the field in the other refusals.
void addRows(const QStringList &rowEngines, const QStringList &throughs,
             const QList<Hostile> &texts, const std::map<QString, Message> &empty,
             const QString &field, qsizetype longest = TextInput::longestText)
{
    for (const QString &engine : rowEngines) {
        for (const QString &through : throughs) {
            for (const Hostile &text : texts) {
                Message refused{u"Error!"_s, refusal(text.expect, field, longest)};
                if (text.expect == Expect::Empty)
                    refused = empty.at(through);
                QTest::addRow("%s, %s, %s", qPrintable(engine), qPrintable(through), text.tag)
                    << engine << through << text.typed
                    << (text.expect == Expect::Stored ? text.stored : QString()) << refused.caption
                    << refused.text;
            }
        }
    }
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanupTestCase();

    // A NUL reaching PostgreSQL as a raw driver error, blanks stored as a name, a card
    // number with a blank or of any length accepted, or text changed on the way.
    void employees_data();
    void employees();
    // The same for the user names of the security manager and the wizard.
    void accounts_data();
    void accounts();
    // The same for the five company fields, in company setup and in the wizard.
    void company_data();
    void company();
    void breakNames_data();
    void breakNames();
    // Anything but digits in range stored as a time by the three places that take one.
    void manualTimes_data();
    void manualTimes();
    // A control character written into the location file.
    void networkPath_data();
    void networkPath();

private:
    // One database per engine for the whole run: creating one per row would take seconds
    // on the server. Each test empties the tables it checks.
    Database *database(const QString &engine);

    std::map<QString, std::unique_ptr<TestDatabase>> m_targets;
    std::map<QString, std::unique_ptr<Database>> m_databases;
};

Database *TestHostileInput::database(const QString &engine)
{
    if (!TestDatabase::available(engine))
        return nullptr;
    if (!m_databases.count(engine)) {
        m_targets[engine] = std::make_unique<TestDatabase>(engine);
        m_databases[engine] = std::make_unique<Database>(m_targets[engine]->location());
        Schema::create(*m_databases[engine]);
    }
    return m_databases[engine].get();
}

void TestHostileInput::cleanupTestCase()
{
    m_databases.clear();
    m_targets.clear();
}

#define CHRONEL_FETCH_ROW                                                                          \
    QFETCH(QString, engine);                                                                       \
    QFETCH(QString, through);                                                                      \
    QFETCH(QString, typed);                                                                        \
    QFETCH(QString, stored);                                                                       \
    QFETCH(QString, caption);                                                                      \
    QFETCH(QString, message);                                                                      \
    ScriptedPrompter prompter;                                                                     \
    if (!message.isNull())                                                                         \
        prompter.expectMessage(caption, message, PromptIcon::Error);

void TestHostileInput::employees_data()
{
    addColumns();
    const Message bothFields{u"Error!"_s, u"Please check both fields are filled in"_s};
    addRows(engines, {u"name"_s}, hostileTexts(), {{u"name"_s, bothFields}}, u"employee name"_s);
    addRows(engines, {u"card"_s}, hostileCards(), {{u"card"_s, bothFields}}, u"clock in number"_s,
            TextInput::longestCardNumber);
}

void TestHostileInput::employees()
{
    CHRONEL_FETCH_ROW
    Database *db = database(engine);
    if (!db)
        return;
    db->exec(u"delete from employees"_s);
    db->exec(u"delete from locked"_s);
    std::optional<EmployeeManager::Employee> chosen;
    EmployeeManager manager(*db, prompter, chosen);
    const bool byName = through == u"name"_s;
    const EmployeeManager::Employee entered{byName ? typed : u"Ann"_s, byName ? u"0042"_s : typed};
    if (!stored.isNull())
        prompter.expectMessage(u"Success"_s, u"Employee Added Successfully!"_s,
                               PromptIcon::Information);

    const EmployeeManager::Outcome outcome = manager.add(entered);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    if (stored.isNull()) {
        QCOMPARE(outcome, EmployeeManager::Outcome::Refused);
        QVERIFY(rowsOf(*db, {u"employee"_s}, u"employees"_s).isEmpty());
        QVERIFY(rowsOf(*db, {u"cardnum"_s}, u"locked"_s).isEmpty());
        return;
    }
    QCOMPARE(outcome, EmployeeManager::Outcome::Done);
    const QString name = byName ? stored : u"Ann"_s;
    const QString card = byName ? u"0042"_s : stored;
    QCOMPARE(rowsOf(*db, {u"employee"_s, u"cardnum"_s}, u"employees"_s, u'|'),
             QStringList{name + u'|' + card});
    QCOMPARE(rowsOf(*db, {u"cardnum"_s, u"locked"_s}, u"locked"_s, u'|'),
             QStringList{card + u"|0"_s});
    QCOMPARE(manager.employeeNames(), QStringList{name});
}

void TestHostileInput::accounts_data()
{
    addColumns();
    // Every account stored costs a password hash, most of a second; the other tables show
    // already that each text is read back intact.
    QList<Hostile> texts;
    for (const Hostile &text : hostileTexts()) {
        if (text.expect != Expect::Stored || qstrcmp(text.tag, "emoji") == 0 ||
            qstrcmp(text.tag, "surrounding blanks") == 0)
            texts << text;
    }
    addRows(engines, {u"security manager"_s, u"wizard"_s}, texts,
            {{u"security manager"_s, {u"Error"_s, u"Please make sure values have been entered"_s}},
             {u"wizard"_s, {u"Error!"_s, u"Please check values!"_s}}},
            u"user name"_s);
}

void TestHostileInput::accounts()
{
    CHRONEL_FETCH_ROW
    Database *db = database(engine);
    if (!db)
        return;
    db->exec(u"delete from users"_s);
    bool added = false;
    if (through == u"wizard"_s) {
        added = WizardSteps(*db, prompter).addSupervisor(typed, u"pw"_s, u"pw"_s);
    } else {
        if (!stored.isNull())
            prompter.expectMessage(u"Success!"_s, u"User Inserted"_s, PromptIcon::Information);
        added = SecurityManager(*db, prompter).add({typed, u"PW"_s, u"PW"_s}) ==
                SecurityManager::Outcome::Done;
    }

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(added, !stored.isNull());
    QCOMPARE(rowsOf(*db, {u"username"_s}, u"users"_s),
             stored.isNull() ? QStringList() : QStringList{stored});
}

void TestHostileInput::company_data()
{
    addColumns();
    addRows(engines, {u"company setup"_s, u"wizard"_s}, hostileTexts(),
            {{u"company setup"_s, {u"Error!"_s, u"Please check the information you entered."_s}},
             {u"wizard"_s, {u"Error"_s, u"Please check values"_s}}},
            u"company name"_s);
}

void TestHostileInput::company()
{
    CHRONEL_FETCH_ROW
    Database *db = database(engine);
    if (!db)
        return;
    db->exec(u"update company set cname = 'Old',tnum = 'Old',a1 = 'Old',a2 = 'Old',a3 = 'Old'"_s);
    // The same text in every field: each column must hold it.
    const CompanyDetails details{typed, typed, typed, typed, typed};

    const bool saved = through == u"wizard"_s ? WizardSteps(*db, prompter).saveCompany(details)
                                              : CompanySetup(*db, prompter).update(details);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(saved, !stored.isNull());
    const QString expected = stored.isNull() ? u"Old"_s : stored;
    QCOMPARE(rowsOf(*db, {u"cname"_s, u"tnum"_s, u"a1"_s, u"a2"_s, u"a3"_s}, u"company"_s, u'|'),
             QStringList{QStringList(5, expected).join(u'|')});
}

void TestHostileInput::breakNames_data()
{
    addColumns();
    addRows(engines, {u"break options"_s}, hostileTexts(),
            {{u"break options"_s,
              {u"Error"_s, u"Please check that names for breaks are not empty!"_s}}},
            u"break 2 name"_s);
}

void TestHostileInput::breakNames()
{
    CHRONEL_FETCH_ROW
    Database *db = database(engine);
    if (!db)
        return;
    db->exec(u"update breaksettings set break1 = '-',break2 = '-',break3 = '-',numof = '0'"_s);
    if (!stored.isNull()) {
        prompter.expectMessage(u"Update!"_s, u"Break 1,2 and Break 3 names updated!"_s,
                               PromptIcon::Information);
        prompter.expectMessage(u"Success"_s,
                               u"Please restart Chronel for changes to take effect!"_s,
                               PromptIcon::Information);
    }

    const bool applied = BreakOptions(*db, prompter).apply(u"3"_s, {u"Tea"_s, typed, u"Lunch"_s});

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(applied, !stored.isNull());
    QCOMPARE(
        rowsOf(*db, {u"break1"_s, u"break2"_s, u"break3"_s, u"numof"_s}, u"breaksettings"_s, u'|'),
        QStringList{stored.isNull() ? u"-|-|-|0"_s : u"Tea|"_s + stored + u"|Lunch|3"_s});
}

void TestHostileInput::manualTimes_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("through");
    QTest::addColumn<QString>("minute"); // typed into the minute part of 08:__:00
    QTest::addColumn<QString>("stored"); // null: refused

    const QList<std::pair<const char *, QString>> storedMinutes = {
        {"two digits", u"30"_s}, {"one digit", u"5"_s}, {"leading zero", u"07"_s}};
    const QList<std::pair<const char *, QString>> refusedMinutes = {
        {"huge number", u"99999999999999999999"_s},
        {"out of range", u"60"_s},
        {"NUL", u"3\0"_s},
        {"emoji", u"\U0001F552"_s},
        {"other script digits", u"\u0663\u0660"_s},
        {"full-width digits", u"\uff13\uff10"_s},
        {"blank", u" 5"_s},
        {"sign", u"-5"_s},
        {"markup", u"<b>"_s},
        {"empty", QString()},
    };
    const QStringList throughs = {u"manual clocking"_s, u"manual break entry"_s,
                                  u"program options"_s};
    for (const QString &engine : engines) {
        for (const QString &through : throughs) {
            for (const auto &[tag, minute] : storedMinutes)
                QTest::addRow("%s, %s, %s", qPrintable(engine), qPrintable(through), tag)
                    << engine << through << minute << u"08:%1:00"_s.arg(minute, 2, u'0');
            for (const auto &[tag, minute] : refusedMinutes)
                QTest::addRow("%s, %s, %s", qPrintable(engine), qPrintable(through), tag)
                    << engine << through << minute << QString();
        }
    }
}

void TestHostileInput::manualTimes()
{
    QFETCH(QString, engine);
    QFETCH(QString, through);
    QFETCH(QString, minute);
    QFETCH(QString, stored);
    Database *db = database(engine);
    if (!db)
        return;
    db->exec(u"delete from employees"_s);
    db->exec(u"delete from log"_s);
    db->exec(u"delete from breaks"_s);
    db->exec(u"delete from usedbreaks"_s);
    db->exec(u"update settings set eco = ''"_s);
    db->exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
    const TimeEntry time(u"08"_s, minute, u"00"_s);
    const bool refused = stored.isNull();
    ScriptedPrompter prompter;
    QString written;

    if (through == u"manual clocking"_s) {
        if (refused)
            prompter.expectMessage(u"Error!"_s, u"Please check your time values!"_s,
                                   PromptIcon::Error);
        else
            prompter.expectMessage(u"Success!"_s, u"Manual Log-in Succeded!"_s,
                                   PromptIcon::Information);
        ManualClocking::Request request;
        request.employee = u"Ann"_s;
        request.logIn = {true, u"03/14/26"_s, time};
        ManualClocking(*db, prompter).process(request);
        written = rowsOf(*db, {u"tm"_s}, u"log"_s).join(u',');
    } else if (through == u"manual break entry"_s) {
        if (refused)
            prompter.expectMessage(u"Error!"_s,
                                   u"Please check all time fields are entered correctly!"_s,
                                   PromptIcon::Error);
        else
            prompter.expectMessage(u"Success!"_s, u"Manual entries added successfully!"_s,
                                   PromptIcon::Information);
        ManualBreakEntry::Request request;
        request.employee = u"Ann"_s;
        request.date = QDate(2026, 3, 13);
        request.start = {true, time};
        const FixedClock clock;
        ManualBreakEntry(*db, prompter, clock).process(request);
        written = rowsOf(*db, {u"i"_s}, u"breaks"_s).join(u',');
    } else {
        if (refused)
            prompter.expectMessage(u"Error"_s, u"Please check time values!"_s, PromptIcon::Error);
        else
            prompter.expectMessage(
                u"Success"_s,
                u"Early cut off time updated.Please restart Chronel for changes to take effect!"_s,
                PromptIcon::Information);
        ProgramOptions(*db, prompter).updateTime(ProgramOptions::Time::EarlyCutOff, time);
        written = rowsOf(*db, {u"eco"_s}, u"settings"_s).join(u',');
    }

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(written, refused ? QString() : stored);
}

void TestHostileInput::networkPath_data()
{
    addColumns();
    addRows({u"file"_s}, {u"network options"_s}, hostileTexts(),
            {{u"network options"_s,
              {u"Network path"_s, u"Please enter in a network path or select local mode"_s}}},
            u"path to the database"_s);
}

void TestHostileInput::networkPath()
{
    CHRONEL_FETCH_ROW
    Q_UNUSED(engine);
    Q_UNUSED(through);
    TestHome home;
    home.write(LocationFile::fileName, "/srv/old");
    if (!stored.isNull())
        prompter.expectMessage(
            u"Changes"_s,
            u"Chronel will now exit for changes to take effect.Please re-run Chronel!"_s,
            PromptIcon::Information);

    const bool applied =
        NetworkOptions(home.path(), prompter).apply(NetworkOptions::Choice::Network, typed);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(applied, !stored.isNull());
    QCOMPARE(QString::fromUtf8(home.read(LocationFile::fileName)),
             stored.isNull() ? u"/srv/old"_s : stored);
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
