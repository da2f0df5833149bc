#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "breaks/core/ManualBreakEntry.h"
#include "breaks/gui/ManualBreakEntryDialog.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/TimeField.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate today(2026, 3, 14);
const QString success = u"Manual entries added successfully!"_s;
const QString checkTimes = u"Please check all time fields are entered correctly!"_s;
const QString noStart = u"There is no matching break entry to be updated against.Please add a "
                        u"Break start before continuing"_s;

// Ann (0042) has her break marks; Bob (17) was added after breaks were switched on.
void addStaff(Database &db)
{
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
    db.exec(u"insert into employees (employee,cardnum) values ('Bob','17')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('0042','0','0','0')"_s);
}

// Adds `breaks` rows given as "dt name i out locked auth breaknumber".
void addBreaks(Database &db, const QStringList &rows)
{
    for (const QString &row : rows) {
        const QStringList values = row.split(u' ');
        db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
                u"values (?,?,?,?,?,?,?)"_s,
                {values[0], values[1], values[2], values[3], values[4], values[5], values[6]});
    }
}

QStringList breakRows(Database &db)
{
    return rowsOf(db,
                  {u"dt"_s, u"name"_s, u"i"_s, u"out"_s, u"locked"_s, u"auth"_s, u"breaknumber"_s},
                  u"breaks order by dt,name,breaknumber"_s);
}

QStringList marks(Database &db)
{
    return rowsOf(db, {u"employee"_s, u"used1"_s, u"used2"_s, u"used3"_s},
                  u"usedbreaks order by employee"_s);
}

TimeEntry timeOf(const QStringList &parts)
{
    return TimeEntry(parts.value(0), parts.value(1), parts.value(2));
}

ManualBreakEntry::Request bothTimes(const QString &employee)
{
    ManualBreakEntry::Request request;
    request.employee = employee;
    request.date = today;
    request.start = {true, TimeEntry(u"10"_s, u"00"_s, u"00"_s)};
    request.end = {true, TimeEntry(u"10"_s, u"15"_s, u"00"_s)};
    return request;
}

StartupValues valuesWith(const QString &count)
{
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = StationSettings::breakCount(count);
    values.breakNames = {u"Tea"_s, u"Lunch"_s, u"Walk"_s};
    return values;
}

void choose(NameListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
    QCOMPARE(list->chosenName(), name);
}

void typeTime(TimeField *field, const QString &hour, const QString &minute, const QString &second)
{
    QTest::keyClicks(field->hourEdit(), hour);
    QTest::keyClicks(field->minuteEdit(), minute);
    QTest::keyClicks(field->secondEdit(), second);
}

QStringList timeTexts(TimeField *field)
{
    return {field->hourEdit()->text(), field->minuteEdit()->text(), field->secondEdit()->text()};
}

} // namespace

class TestManualBreakEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The wrong statement for start only, end only or both; a refused entry writing; the
    // break marks moved for an earlier day (dates compared as text) or not for today;
    // a one-digit part stored without its zero; the wrong words.
    void process_data();
    void process();
    // A name or card quoted into the statements, or a second entry adding a row.
    void quotedValues_data() { TestDatabase::addEngineRows(); }
    void quotedValues();
    // A break row left behind when its marks cannot be written.
    void wholeOrNothing_data() { TestDatabase::addEngineRows(); }
    void wholeOrNothing();
    // An employee removed by another station written anyway or shown as a driver error.
    void vanishedEmployee();
    // Blocks opened other than by the day's count, or names shown for closed ones.
    void blocksByCount_data();
    void blocksByCount();
    // A list without employees opening any block, or saying nothing.
    void noEmployees();
    // The real window: checks while typing, the "Use:" boxes and "Reset Times!" emptying
    // the fields, block 1 alone emptied after "Process!", Enter writing, Escape staying.
    void dialog();
};

void TestManualBreakEntry::process_data()
{
    QTest::addColumn<QString>("employee"); // empty: none chosen
    QTest::addColumn<int>("number");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("start"); // empty: not used
    QTest::addColumn<QStringList>("end");   // empty: not used
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("caption"); // empty: no message
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("marksAfter");

    const QStringList start = {u"10"_s, u"00"_s, u"00"_s};
    const QStringList end = {u"10"_s, u"15"_s, u"30"_s};
    const QStringList none;
    const QDate earlier(2026, 3, 10);
    const QStringList untouched = {u"0042 0 0 0"_s};
    const QString openToday = u"03/14/26 0042 07:00:00 - - Y 1"_s;
    const QString openEarlier = u"03/10/26 0042 07:00:00 - - Y 1"_s;

    QTest::newRow("no employee") << QString() << 1 << today << today << start << end << none
                                 << u"Error"_s << u"Please select an employee before continuing"_s
                                 << none << untouched;
    QTest::newRow("neither time used") << u"Ann"_s << 1 << today << today << none << none << none
                                       << QString() << QString() << none << untouched;
    QTest::newRow("both, today, new row")
        << u"Ann"_s << 1 << today << today << start << end << none << u"Success!"_s << success
        << QStringList{u"03/14/26 0042 10:00:00 10:15:30 - - 1"_s} << QStringList{u"0042 2 0 0"_s};
    QTest::newRow("both, today, row there")
        << u"Ann"_s << 1 << today << today << start << end << QStringList{openToday}
        << u"Success!"_s << success << QStringList{u"03/14/26 0042 10:00:00 10:15:30 - Y 1"_s}
        << QStringList{u"0042 2 0 0"_s};
    QTest::newRow("both, earlier day")
        << u"Ann"_s << 1 << today << earlier << start << end << none << u"Success!"_s << success
        << QStringList{u"03/10/26 0042 10:00:00 10:15:30 - - 1"_s} << untouched;
    QTest::newRow("both, later day")
        << u"Ann"_s << 3 << today << QDate(2026, 3, 20) << start << end << none << u"Success!"_s
        << success << QStringList{u"03/20/26 0042 10:00:00 10:15:30 - - 3"_s}
        << QStringList{u"0042 0 0 2"_s};
    QTest::newRow("both, break 2, today")
        << u"Ann"_s << 2 << today << today << start << end << QStringList{openToday}
        << u"Success!"_s << success
        << QStringList{openToday, u"03/14/26 0042 10:00:00 10:15:30 - - 2"_s}
        << QStringList{u"0042 0 2 0"_s};
    QTest::newRow("both, one-digit parts")
        << u"Ann"_s << 1 << today << today << QStringList{u"9"_s, u"5"_s, u"0"_s}
        << QStringList{u"9"_s, u"20"_s, u"7"_s} << none << u"Success!"_s << success
        << QStringList{u"03/14/26 0042 09:05:00 09:20:07 - - 1"_s} << QStringList{u"0042 2 0 0"_s};
    QTest::newRow("both, start minute empty")
        << u"Ann"_s << 1 << today << today << QStringList{u"10"_s, QString(), u"00"_s} << end
        << none << u"Error!"_s << checkTimes << none << untouched;
    QTest::newRow("both, end second empty")
        << u"Ann"_s << 1 << today << today << start << QStringList{u"10"_s, u"15"_s, QString()}
        << none << u"Error!"_s << checkTimes << none << untouched;
    QTest::newRow("start, today, new row")
        << u"Ann"_s << 1 << today << today << start << none << none << u"Success!"_s << success
        << QStringList{u"03/14/26 0042 10:00:00 - - - 1"_s} << QStringList{u"0042 1 0 0"_s};
    QTest::newRow("start, today, row there")
        << u"Ann"_s << 1 << today << today << start << none
        << QStringList{u"03/14/26 0042 07:00:00 07:20:00 - Y 1"_s} << u"Success!"_s << success
        << QStringList{u"03/14/26 0042 10:00:00 07:20:00 - Y 1"_s} << untouched;
    QTest::newRow("start, today, open row there")
        << u"Ann"_s << 1 << today << today << start << none << QStringList{openToday}
        << u"Success!"_s << success << QStringList{u"03/14/26 0042 10:00:00 - - Y 1"_s}
        << QStringList{u"0042 1 0 0"_s};
    QTest::newRow("start, earlier day")
        << u"Ann"_s << 1 << today << earlier << start << none << none << u"Success!"_s << success
        << QStringList{u"03/10/26 0042 10:00:00 - - - 1"_s} << untouched;
    QTest::newRow("start, hour empty")
        << u"Ann"_s << 1 << today << today << QStringList{QString(), u"00"_s, u"00"_s} << none
        << none << u"Error!"_s << checkTimes << none << untouched;
    QTest::newRow("start, break 1, no marks row")
        << u"Bob"_s << 1 << today << today << start << none << none << u"Success!"_s << success
        << QStringList{u"03/14/26 17 10:00:00 - - - 1"_s}
        << QStringList{u"0042 0 0 0"_s, u"17 1 0 0"_s};
    QTest::newRow("start, break 1, no marks row, earlier day")
        << u"Bob"_s << 1 << today << earlier << start << none << none << u"Success!"_s << success
        << QStringList{u"03/10/26 17 10:00:00 - - - 1"_s} << untouched;
    QTest::newRow("start, break 2, no marks row")
        << u"Bob"_s << 2 << today << today << start << none << none << u"Success!"_s << success
        << QStringList{u"03/14/26 17 10:00:00 - - - 2"_s}
        << QStringList{u"0042 0 0 0"_s, u"17 0 1 0"_s};
    QTest::newRow("both, break 3, no marks row")
        << u"Bob"_s << 3 << today << today << start << end << none << u"Success!"_s << success
        << QStringList{u"03/14/26 17 10:00:00 10:15:30 - - 3"_s}
        << QStringList{u"0042 0 0 0"_s, u"17 0 0 2"_s};
    QTest::newRow("end, no row") << u"Ann"_s << 1 << today << today << none << end << none
                                 << u"Error"_s << noStart << none << untouched;
    QTest::newRow("end, row of another break")
        << u"Ann"_s << 2 << today << today << none << end << QStringList{openToday} << u"Error"_s
        << noStart << QStringList{openToday} << untouched;
    QTest::newRow("end, row of another day")
        << u"Ann"_s << 1 << today << today << none << end << QStringList{openEarlier} << u"Error"_s
        << noStart << QStringList{openEarlier} << untouched;
    QTest::newRow("end, today") << u"Ann"_s << 1 << today << today << none << end
                                << QStringList{openToday} << u"Success!"_s << success
                                << QStringList{u"03/14/26 0042 07:00:00 10:15:30 - Y 1"_s}
                                << QStringList{u"0042 2 0 0"_s};
    QTest::newRow("end, earlier day")
        << u"Ann"_s << 1 << today << earlier << none << end << QStringList{openEarlier}
        << u"Success!"_s << success << QStringList{u"03/10/26 0042 07:00:00 10:15:30 - Y 1"_s}
        << untouched;
    QTest::newRow("end, seconds empty")
        << u"Ann"_s << 1 << today << today << none << QStringList{u"10"_s, u"15"_s, QString()}
        << QStringList{openToday} << u"Error!"_s << checkTimes << QStringList{openToday}
        << untouched;
    // MM/dd/yy text sorts these the wrong way round.
    QTest::newRow("both, a day of last year")
        << u"Ann"_s << 1 << today << QDate(2025, 6, 1) << start << end << none << u"Success!"_s
        << success << QStringList{u"06/01/25 0042 10:00:00 10:15:30 - - 1"_s} << untouched;
    QTest::newRow("both, next year seen on new year's eve")
        << u"Ann"_s << 1 << QDate(2026, 12, 31) << QDate(2027, 1, 1) << start << end << none
        << u"Success!"_s << success << QStringList{u"01/01/27 0042 10:00:00 10:15:30 - - 1"_s}
        << QStringList{u"0042 2 0 0"_s};
}

void TestManualBreakEntry::process()
{
    QFETCH(QString, employee);
    QFETCH(int, number);
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QFETCH(QStringList, start);
    QFETCH(QStringList, end);
    QFETCH(QStringList, before);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, marksAfter);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    addBreaks(db, before);
    FixedClock clock(QDateTime(today, QTime(8, 5, 9)));
    ScriptedPrompter prompter;
    if (!caption.isEmpty())
        prompter.expectMessage(caption, message,
                               caption == u"Success!"_s || message.startsWith(u"Please select"_s)
                                   ? PromptIcon::Information
                                   : PromptIcon::Error);

    ManualBreakEntry::Request request;
    if (!employee.isEmpty())
        request.employee = employee;
    request.breakNumber = number;
    request.date = date;
    request.start = {!start.isEmpty(), timeOf(start)};
    request.end = {!end.isEmpty(), timeOf(end)};
    const auto outcome = ManualBreakEntry(db, prompter, clock).process(request);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(prompter.seen().size(), caption.isEmpty() ? 0 : 1);
    if (caption.isEmpty())
        QCOMPARE(outcome, ManualBreakEntry::Outcome::Nothing);
    else
        QCOMPARE(outcome, caption == u"Success!"_s ? ManualBreakEntry::Outcome::Written
                                                   : ManualBreakEntry::Outcome::Refused);
    QCOMPARE(breakRows(db), rows);
    QCOMPARE(marks(db), marksAfter);
}

void TestManualBreakEntry::quotedValues()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    const QString name = u"Mary O'Neil; drop table breaks"_s;
    const QString card = u"0'7"_s;
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, card});
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values (?,'0','0','0')"_s,
            {card});
    FixedClock clock;
    ScriptedPrompter prompter;
    ManualBreakEntry entry(db, prompter, clock);

    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Success!"_s, success, PromptIcon::Information);
        QCOMPARE(entry.process(bothTimes(name)), ManualBreakEntry::Outcome::Written);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    }
    QCOMPARE(breakRows(db), QStringList{u"03/14/26 0'7 10:00:00 10:15:00 - - 1"_s});
    QCOMPARE(marks(db), (QStringList{u"0'7 2 0 0"_s, u"0042 0 0 0"_s}));
}

void TestManualBreakEntry::wholeOrNothing()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    // Marks that refuse every ended break.
    db.exec(u"drop table usedbreaks"_s);
    db.exec(u"create table usedbreaks (employee text, used1 text check (used1 <> '2'), "
            u"used2 text, used3 text)"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('0042','0','0','0')"_s);
    FixedClock clock;
    ScriptedPrompter prompter;
    prompter.expectError();

    QCOMPARE(ManualBreakEntry(db, prompter, clock).process(bothTimes(u"Ann"_s)),
             ManualBreakEntry::Outcome::Failed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!db.inTransaction());
    QVERIFY(breakRows(db).isEmpty());
    QCOMPARE(marks(db), QStringList{u"0042 0 0 0"_s});
}

void TestManualBreakEntry::vanishedEmployee()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    db.exec(u"delete from employees where employee = 'Bob'"_s);
    FixedClock clock;
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s,
                           u"The employee Bob no longer exists. Please choose again."_s,
                           PromptIcon::Error);

    QCOMPARE(ManualBreakEntry(db, prompter, clock).process(bothTimes(u"Bob"_s)),
             ManualBreakEntry::Outcome::EmployeeGone);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(breakRows(db).isEmpty());
}

void TestManualBreakEntry::blocksByCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("1") << u"1"_s << QStringList{u"Tea"_s, u"--"_s, u"--"_s};
    QTest::newRow("2") << u"2"_s << QStringList{u"Tea"_s, u"Lunch"_s, u"--"_s};
    QTest::newRow("3") << u"3"_s << QStringList{u"Tea"_s, u"Lunch"_s, u"Walk"_s};
    QTest::newRow("0") << u"0"_s << QStringList{QString(), QString(), QString()};
    QTest::newRow("empty") << QString() << QStringList{QString(), QString(), QString()};
}

void TestManualBreakEntry::blocksByCount()
{
    QFETCH(QString, count);
    QFETCH(QStringList, names);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    FixedClock clock;
    ScriptedPrompter prompter;
    const StartupValues values = valuesWith(count);
    ManualBreakEntryDialog dialog(db, prompter, clock, values);
    dialog.load();

    for (int number = 1; number <= 3; ++number) {
        const QString prefix = u"break%1"_s.arg(number);
        auto *name = dialog.findChild<QLineEdit *>(prefix + u"Name"_s);
        QVERIFY(name);
        QCOMPARE(name->text(), names[number - 1]);
        QVERIFY(name->isReadOnly());
        const bool open = number <= StationSettings::breakCount(count);
        for (const QString &input : {u"Date"_s, u"Start"_s, u"UseStart"_s, u"End"_s, u"UseEnd"_s})
            QVERIFY2(dialog.findChild<QWidget *>(prefix + input)->isEnabled() == open,
                     qPrintable(prefix + input));
        QVERIFY(dialog.findChild<QPushButton *>(prefix + u"Process"_s)->isEnabled());
    }
}

void TestManualBreakEntry::noEmployees()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    FixedClock clock;
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s, u"Fatal error - no employees found!"_s, PromptIcon::Error);
    const StartupValues values = valuesWith(u"3"_s);
    ManualBreakEntryDialog dialog(db, prompter, clock, values);
    dialog.load();

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!dialog.findChild<QWidget *>(u"break1Date"_s)->isEnabled());
    QVERIFY(!dialog.findChild<QWidget *>(u"break1UseStart"_s)->isEnabled());
    QVERIFY(dialog.findChild<QLineEdit *>(u"break1Name"_s)->text().isEmpty());
}

void TestManualBreakEntry::dialog()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    FixedClock clock;
    ScriptedPrompter prompter;
    const StartupValues values = valuesWith(u"2"_s);
    ManualBreakEntryDialog dialog(db, prompter, clock, values);
    dialog.load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u":: Manual Break Input ::"_s);

    auto *list = dialog.findChild<NameListWidget *>(u"employeeList"_s);
    auto *date1 = dialog.findChild<DatePicker *>(u"break1Date"_s);
    auto *start1 = dialog.findChild<TimeField *>(u"break1Start"_s);
    auto *end1 = dialog.findChild<TimeField *>(u"break1End"_s);
    auto *useStart1 = dialog.findChild<QCheckBox *>(u"break1UseStart"_s);
    auto *useEnd1 = dialog.findChild<QCheckBox *>(u"break1UseEnd"_s);
    auto *process1 = dialog.findChild<QPushButton *>(u"break1Process"_s);
    auto *start2 = dialog.findChild<TimeField *>(u"break2Start"_s);
    auto *useStart2 = dialog.findChild<QCheckBox *>(u"break2UseStart"_s);
    auto *process2 = dialog.findChild<QPushButton *>(u"break2Process"_s);
    auto *end3 = dialog.findChild<TimeField *>(u"break3End"_s);
    auto *reset = dialog.findChild<QPushButton *>(u"resetTimesButton"_s);
    QVERIFY(list && date1 && start1 && end1 && useStart1 && useEnd1 && process1 && start2 &&
            useStart2 && process2 && end3 && reset);
    QCOMPARE(list->count(), 2);
    QCOMPARE(date1->text(), u"03/14/26"_s);
    QVERIFY(!process1->autoDefault() && !reset->autoDefault());

    // Each part is checked as it is typed; a good one moves on, start seconds to end hours.
    prompter.expectMessage(u"Error!"_s, u"Invalid hour entered!"_s, PromptIcon::Error);
    QTest::keyClicks(start1->hourEdit(), u"24"_s);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(start1->hourEdit()->text().isEmpty());
    QTest::keyClicks(start1->hourEdit(), u"x1"_s);
    QCOMPARE(start1->hourEdit()->text(), u"1"_s);
    QTest::keyClicks(start1->hourEdit(), u"0"_s);
    QVERIFY(start1->minuteEdit()->hasFocus());
    prompter.expectMessage(u"Error!"_s, u"Invalid minute entered!"_s, PromptIcon::Error);
    QTest::keyClicks(start1->minuteEdit(), u"60"_s);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QTest::keyClicks(start1->minuteEdit(), u"05"_s);
    QTest::keyClicks(start1->secondEdit(), u"00"_s);
    QVERIFY(end1->hourEdit()->hasFocus());
    typeTime(end1, u"10"_s, u"20"_s, u"00"_s);

    // Clearing a "Use:" box empties its time at once.
    QTest::mouseClick(useEnd1, Qt::LeftButton);
    QVERIFY(useEnd1->isChecked());
    QCOMPARE(timeTexts(end1), (QStringList{u"10"_s, u"20"_s, u"00"_s}));
    QTest::mouseClick(useEnd1, Qt::LeftButton);
    QCOMPARE(timeTexts(end1), (QStringList{QString(), QString(), QString()}));
    typeTime(end1, u"10"_s, u"20"_s, u"00"_s);
    QTest::mouseClick(useStart1, Qt::LeftButton);
    QTest::mouseClick(useEnd1, Qt::LeftButton);

    // No employee chosen: refused, and block 1 is emptied all the same.
    prompter.expectMessage(u"Error"_s, u"Please select an employee before continuing"_s,
                           PromptIcon::Information);
    QTest::mouseClick(process1, Qt::LeftButton);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(timeTexts(start1), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(timeTexts(end1), (QStringList{QString(), QString(), QString()}));

    choose(list, u"Ann"_s);
    typeTime(start1, u"10"_s, u"05"_s, u"00"_s);
    typeTime(end1, u"10"_s, u"20"_s, u"00"_s);
    QTest::keyClick(end1->secondEdit(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(breakRows(db).isEmpty());

    prompter.expectMessage(u"Success!"_s, success, PromptIcon::Information);
    QTest::mouseClick(process1, Qt::LeftButton);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(breakRows(db), QStringList{u"03/14/26 0042 10:05:00 10:20:00 - - 1"_s});
    QCOMPARE(marks(db), QStringList{u"0042 2 0 0"_s});
    QCOMPARE(timeTexts(start1), (QStringList{QString(), QString(), QString()}));

    // Block 2 keeps what was typed.
    QTest::mouseClick(useStart2, Qt::LeftButton);
    typeTime(start2, u"13"_s, u"0"_s, u"0"_s);
    prompter.expectMessage(u"Success!"_s, success, PromptIcon::Information);
    QTest::mouseClick(process2, Qt::LeftButton);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(breakRows(db), (QStringList{u"03/14/26 0042 10:05:00 10:20:00 - - 1"_s,
                                         u"03/14/26 0042 13:00:00 - - - 2"_s}));
    QCOMPARE(marks(db), QStringList{u"0042 2 1 0"_s});
    QCOMPARE(timeTexts(start2), (QStringList{u"13"_s, u"0"_s, u"0"_s}));

    // "Reset Times!" empties every field, closed blocks' too.
    typeTime(start1, u"11"_s, u"00"_s, u"00"_s);
    QTest::mouseClick(reset, Qt::LeftButton);
    for (TimeField *time : dialog.findChildren<TimeField *>())
        QCOMPARE(timeTexts(time), (QStringList{QString(), QString(), QString()}));
    Q_UNUSED(end3);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(breakRows(db).size(), 2);
}

QTEST_MAIN(TestManualBreakEntry)
#include "tst_manualbreakentry.moc"
