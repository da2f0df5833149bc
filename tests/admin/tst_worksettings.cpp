#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "admin/gui/WorkSettingsGroup.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/WorkSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList storedRow(Database &db)
{
    const SqlRow row = db.first(u"select unpaidbreaks,rounding,overtimehours,crossmidnight,"
                                u"severalclockins from worksettings"_s);
    return {row[u"unpaidbreaks"_s], row[u"rounding"_s], row[u"overtimehours"_s],
            row[u"crossmidnight"_s], row[u"severalclockins"_s]};
}

} // namespace

class TestWorkSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A database from before the settings, or a value set by hand that is out of range,
    // read as something other than the default that keeps today's clocking.
    void stored_data();
    void stored();

    // Each control writing the wrong column or value, a refused threshold stored anyway,
    // or an input without a name a screen reader can say.
    void controls_data();
    void controls();

    // A change the database refused left shown as if stored.
    void failedWriteShowsStored_data() { TestDatabase::addEngineRows(); }
    void failedWriteShowsStored();
};

void TestWorkSettings::stored_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QStringList>("row"); // empty: no table
    QTest::addColumn<bool>("unpaid");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<int>("overtime");
    QTest::addColumn<bool>("crossMidnight");
    QTest::addColumn<bool>("severalADay");

    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray prefix = engine.toLatin1() + ": ";
        QTest::newRow(prefix + "no table")
            << engine << QStringList() << true << 0 << 2400 << false << false;
        QTest::newRow(prefix + "set")
            << engine << QStringList{u"0"_s, u"15"_s, u"37.5"_s, u"1"_s, u"1"_s} << false << 15
            << 2250 << true << true;
        QTest::newRow(prefix + "out of range")
            << engine << QStringList{u"yes"_s, u"7"_s, u"0"_s, u"2"_s, QString()} << true << 0
            << 2400 << false << false;
    }
}

void TestWorkSettings::stored()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QStringList, row);
    QFETCH(bool, unpaid);
    QFETCH(int, rounding);
    QFETCH(int, overtime);
    QFETCH(bool, crossMidnight);
    QFETCH(bool, severalADay);
    Database db(target.location());
    Schema::create(db);
    if (row.isEmpty())
        db.exec(u"drop table worksettings"_s);
    else
        db.exec(u"update worksettings set unpaidbreaks = ?, rounding = ?, overtimehours = ?, "
                u"crossmidnight = ?, severalclockins = ?"_s,
                {row[0], row[1], row[2], row[3], row[4]});

    const WorkSettings settings = WorkSettings::load(db);

    QCOMPARE(settings.unpaidBreaks, unpaid);
    QCOMPARE(settings.roundingMinutes, rounding);
    QCOMPARE(settings.overtimeMinutes, overtime);
    QCOMPARE(settings.crossMidnight, crossMidnight);
    QCOMPARE(settings.severalClockIns, severalADay);
}

void TestWorkSettings::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");   // for the overtime field; a combo's index otherwise
    QTest::addColumn<QString>("message"); // "caption|text" of the one message, if any
    QTest::addColumn<QStringList>("stored");

    const QString refused = u"Error!|Please enter the weekly hours after which time counts as "
                            u"overtime, from 1 to 168 (for example 40 or 37.5)."_s;
    QTest::newRow("breaks paid") << u"unpaidBreaksBox"_s << QString() << QString()
                                 << QStringList{u"0"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s};
    QTest::newRow("rounding") << u"roundingChoice"_s << u"3"_s << QString()
                              << QStringList{u"1"_s, u"15"_s, u"40"_s, u"0"_s, u"0"_s};
    QTest::newRow("overtime in part hours")
        << u"overtimeHours"_s << u" 37.5 "_s
        << u"Success|Weekly overtime now counts after 37.5 hours."_s
        << QStringList{u"1"_s, u"0"_s, u"37.5"_s, u"0"_s, u"0"_s};
    QTest::newRow("overtime of none") << u"overtimeHours"_s << u"0"_s << refused
                                      << QStringList{u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s};
    QTest::newRow("overtime beyond a week") << u"overtimeHours"_s << u"168.5"_s << refused
                                            << QStringList{u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s};
    QTest::newRow("overtime not a number") << u"overtimeHours"_s << u"forty"_s << refused
                                           << QStringList{u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s};
    QTest::newRow("shifts across midnight") << u"crossMidnightBox"_s << QString() << QString()
                                            << QStringList{u"1"_s, u"0"_s, u"40"_s, u"1"_s, u"0"_s};
    QTest::newRow("several a day") << u"severalClockInsBox"_s << QString() << QString()
                                   << QStringList{u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"1"_s};
}

void TestWorkSettings::controls()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, stored);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    WorkSettingsGroup group(db, prompter, WorkSettings::load(db));
    for (QWidget *input : group.findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(input) || qobject_cast<QComboBox *>(input))
            QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));
    }
    if (!message.isEmpty())
        prompter.expectMessage(message.section(u'|', 0, 0), message.section(u'|', 1),
                               message.startsWith(u"Error"_s) ? PromptIcon::Error
                                                              : PromptIcon::Information);

    if (auto *box = group.findChild<QCheckBox *>(control)) {
        box->click();
    } else if (auto *choice = group.findChild<QComboBox *>(control)) {
        choice->setCurrentIndex(typed.toInt());
    } else {
        auto *field = group.findChild<QLineEdit *>(control);
        QVERIFY(field);
        field->setText(typed);
        group.findChild<QPushButton *>(u"overtimeHoursButton"_s)->click();
    }

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(storedRow(db), stored);
    QCOMPARE(group.findChild<QLineEdit *>(u"overtimeHoursCurrent"_s)->text(), stored[2]);
}

void TestWorkSettings::failedWriteShowsStored()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    WorkSettingsGroup group(db, prompter, WorkSettings::load(db));
    auto *box = group.findChild<QCheckBox *>(u"crossMidnightBox"_s);
    db.exec(u"drop table worksettings"_s);
    prompter.expectError();

    box->click();

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!box->isChecked());
}

QTEST_MAIN(TestWorkSettings)
#include "tst_worksettings.moc"
