#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "platform/core/TimeEntry.h"
#include "platform/gui/TimeField.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TimeEntry::Part)
Q_DECLARE_METATYPE(TimeEntry::Verdict)

namespace {

const QString errorCaption = u"Error!"_s;

QLineEdit *partEdit(const TimeField &field, const QString &part)
{
    return field.findChild<QLineEdit *>(part);
}

} // namespace

class TestTimeEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A limit off by one, a part checked before its second digit, or the wrong words.
    void checkPart_data();
    void checkPart();
    // Anything but up to two ASCII digits gets into a field.
    void partPattern_data();
    void partPattern();
    // A stored time that is not HH:MM:SS, or an empty or out-of-range part let through.
    void storedTime_data();
    void storedTime();
    // The widget keeps a refused part, loses the focus after a refusal, or does not
    // move on after an accepted part.
    void fieldReacts_data();
    void fieldReacts();
    // The focus leaves the field before its second part is accepted, stays after it is,
    // or arrives at the next widget with that widget's text selected.
    void successorAfterSecond_data();
    void successorAfterSecond();
};

void TestTimeEntry::checkPart_data()
{
    QTest::addColumn<TimeEntry::Part>("part");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TimeEntry::Verdict>("verdict");
    QTest::addColumn<QString>("message"); // empty: no prompt

    using P = TimeEntry::Part;
    using V = TimeEntry::Verdict;
    QTest::newRow("hour 24") << P::Hour << u"24"_s << V::Refused << u"Invalid hour entered!"_s;
    QTest::newRow("hour 99") << P::Hour << u"99"_s << V::Refused << u"Invalid hour entered!"_s;
    QTest::newRow("hour 23") << P::Hour << u"23"_s << V::Accepted << QString();
    QTest::newRow("hour 00") << P::Hour << u"00"_s << V::Accepted << QString();
    QTest::newRow("hour 24 half typed") << P::Hour << u"2"_s << V::Incomplete << QString();
    QTest::newRow("hour empty") << P::Hour << QString() << V::Incomplete << QString();
    QTest::newRow("minute 60") << P::Minute << u"60"_s << V::Refused
                               << u"Invalid minute entered!"_s;
    QTest::newRow("minute 59") << P::Minute << u"59"_s << V::Accepted << QString();
    QTest::newRow("second 60") << P::Second << u"60"_s << V::Refused
                               << u"Invalid second entered!"_s;
    QTest::newRow("second 59") << P::Second << u"59"_s << V::Accepted << QString();
    QTest::newRow("second 24") << P::Second << u"24"_s << V::Accepted << QString();
}

void TestTimeEntry::checkPart()
{
    QFETCH(TimeEntry::Part, part);
    QFETCH(QString, text);
    QFETCH(TimeEntry::Verdict, verdict);
    QFETCH(QString, message);
    ScriptedPrompter prompter;
    if (!message.isEmpty())
        prompter.expectMessage(errorCaption, message, PromptIcon::Error);

    QCOMPARE(TimeEntry::check(part, text, prompter), verdict);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestTimeEntry::partPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two digits") << u"12"_s << true;
    QTest::newRow("one digit") << u"7"_s << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("letter") << u"1a"_s << false;
    QTest::newRow("sign") << u"-1"_s << false;
    QTest::newRow("space") << u" 7"_s << false;
    QTest::newRow("three digits") << u"123"_s << false;
    QTest::newRow("other script digits") << u"\u0661\u0662"_s << false;
}

void TestTimeEntry::partPattern()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(TimeEntry::partPattern().match(text).hasMatch(), accepted);
}

void TestTimeEntry::storedTime_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("stored");
    QTest::newRow("two digits each")
        << QStringList{u"23"_s, u"59"_s, u"59"_s} << false << true << u"23:59:59"_s;
    QTest::newRow("one digit each")
        << QStringList{u"7"_s, u"5"_s, u"9"_s} << false << true << u"07:05:09"_s;
    QTest::newRow("midnight") << QStringList{u"0"_s, u"00"_s, u"0"_s} << false << true
                              << u"00:00:00"_s;
    QTest::newRow("hour empty") << QStringList{QString(), u"5"_s, u"9"_s} << true << false
                                << u"00:05:09"_s;
    QTest::newRow("minute empty") << QStringList{u"7"_s, QString(), u"9"_s} << true << false
                                  << u"07:00:09"_s;
    QTest::newRow("second empty") << QStringList{u"7"_s, u"5"_s, QString()} << true << false
                                  << u"07:05:00"_s;
    QTest::newRow("hour out of range")
        << QStringList{u"24"_s, u"00"_s, u"00"_s} << false << false << u"24:00:00"_s;
    QTest::newRow("second out of range")
        << QStringList{u"12"_s, u"00"_s, u"60"_s} << false << false << u"12:00:60"_s;
}

void TestTimeEntry::storedTime()
{
    QFETCH(QStringList, parts);
    QFETCH(bool, empty);
    QFETCH(bool, complete);
    QFETCH(QString, stored);
    const TimeEntry entry(parts[0], parts[1], parts[2]);
    QCOMPARE(entry.hasEmptyPart(), empty);
    QCOMPARE(entry.isComplete(), complete);
    QCOMPARE(entry.text(), stored);
}

void TestTimeEntry::fieldReacts_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: no prompt
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("focused");
    QTest::newRow("hour 24") << u"hour"_s << u"24"_s << u"Invalid hour entered!"_s << QString()
                             << u"hour"_s;
    QTest::newRow("minute 60") << u"minute"_s << u"60"_s << u"Invalid minute entered!"_s
                               << QString() << u"minute"_s;
    QTest::newRow("second 60") << u"second"_s << u"60"_s << u"Invalid second entered!"_s
                               << QString() << u"second"_s;
    QTest::newRow("hour 23") << u"hour"_s << u"23"_s << QString() << u"23"_s << u"minute"_s;
    QTest::newRow("minute 59") << u"minute"_s << u"59"_s << QString() << u"59"_s << u"second"_s;
    QTest::newRow("second 59") << u"second"_s << u"59"_s << QString() << u"59"_s << u"second"_s;
    QTest::newRow("one digit waits") << u"hour"_s << u"7"_s << QString() << u"7"_s << u"hour"_s;
    QTest::newRow("letters dropped")
        << u"minute"_s << u"4x:2"_s << QString() << u"42"_s << u"second"_s;
    QTest::newRow("refused, then accepted")
        << u"hour"_s << u"2520"_s << u"Invalid hour entered!"_s << u"20"_s << u"minute"_s;
}

void TestTimeEntry::fieldReacts()
{
    QFETCH(QString, part);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    QFETCH(QString, focused);
    ScriptedPrompter prompter;
    if (!message.isEmpty())
        prompter.expectMessage(errorCaption, message, PromptIcon::Error);
    TimeField field(u"Start"_s, prompter);
    field.show();
    QVERIFY(QTest::qWaitForWindowActive(&field));
    QLineEdit *edit = partEdit(field, part);
    QVERIFY(edit);
    QCOMPARE(edit->accessibleName(), u"Start "_s + part);
    edit->setFocus();

    QTest::keyClicks(edit, typed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(edit->text(), kept);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void TestTimeEntry::successorAfterSecond_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: no prompt
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("movesOn");
    QTest::newRow("accepted") << u"30"_s << QString() << u"30"_s << true;
    QTest::newRow("refused") << u"75"_s << u"Invalid second entered!"_s << QString() << false;
    QTest::newRow("one digit waits") << u"3"_s << QString() << u"3"_s << false;
}

void TestTimeEntry::successorAfterSecond()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    QFETCH(bool, movesOn);
    ScriptedPrompter prompter;
    if (!message.isEmpty())
        prompter.expectMessage(errorCaption, message, PromptIcon::Error);
    QWidget window;
    auto *field = new TimeField(u"Start"_s, prompter, &window);
    auto *next = new QLineEdit(u"12"_s, &window);
    next->move(0, 40);
    field->setSuccessor(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->secondEdit()->setFocus();

    QTest::keyClicks(field->secondEdit(), typed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(field->secondEdit()->text(), kept);
    QCOMPARE(QApplication::focusWidget(), movesOn ? next : field->secondEdit());
    QVERIFY(!next->hasSelectedText());
}

QTEST_MAIN(TestTimeEntry)
#include "tst_timeentry.moc"
