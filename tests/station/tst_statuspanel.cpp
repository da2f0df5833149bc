#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString doneForTheDay =
    u"Employee has already been logged in/out for the day.No further logging is possible"_s;

// Records what screen readers are told.
QList<QPair<QObject *, QAccessible::Event>> announced;

void recordAccessibilityEvent(QAccessibleEvent *event)
{
    announced << qMakePair(event->object(), event->type());
}

} // namespace

class TestStatusPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The wrong words, time or worked hours after a card; an unknown card left silent or
    // not in red, or without its error-log row; a refused card's panel saying something
    // other than its message box; nothing announced to screen readers; a panel that
    // never goes away.
    void panelAfterCard_data();
    void panelAfterCard();
};

void TestStatusPanel::panelAfterCard_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("state");   // Ann's state before the card
    QTest::addColumn<QStringList>("log"); // Ann's earlier clockings: "MM/dd/yy hh:mm:ss TYPE"
    QTest::addColumn<bool>("done");       // Ann already clocked out today
    QTest::addColumn<QStringList>("panel");
    QTest::addColumn<bool>("alert");
    // The clock stands at Saturday 03/14/26 08:05:09; the week began on Monday 03/09.
    const QStringList monday = {u"03/09/26 08:00:00 IN"_s, u"03/09/26 16:30:00 OUT"_s,
                                // last Sunday's are another week's
                                u"03/08/26 08:00:00 IN"_s, u"03/08/26 12:00:00 OUT"_s};
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        QTest::newRow(e + " in") << engine << u"0042"_s << u"0"_s << monday << false
                                 << QStringList{u"Ann Smith"_s, u"IN at 08:05"_s,
                                                u"Worked today 0:00, this week 8:30"_s}
                                 << false;
        QTest::newRow(e + " out") << engine << u"0042"_s << u"1"_s
                                  << (monday + QStringList{u"03/14/26 06:00:00 IN"_s}) << false
                                  << QStringList{u"Ann Smith"_s, u"OUT at 08:05"_s,
                                                 u"Worked today 2:05, this week 10:35"_s}
                                  << false;
        QTest::newRow(e + " unknown") << engine << u"999"_s << u"0"_s << QStringList() << false
                                      << QStringList{u"Card not recognised"_s} << true;
        QTest::newRow(e + " done for the day")
            << engine << u"0042"_s << u"0"_s << QStringList() << true
            << QStringList{u"Ann Smith"_s, doneForTheDay} << true;
    }
}

void TestStatusPanel::panelAfterCard()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QString, card);
    QFETCH(QString, state);
    QFETCH(QStringList, log);
    QFETCH(bool, done);
    QFETCH(QStringList, panel);
    QFETCH(bool, alert);
    TestStation station(target.location());
    Database &db = station.db;
    db.exec(u"insert into employees (employee,cardnum) values ('Ann Smith','0042')"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('0042',?)"_s, {state});
    for (const QString &entry : log) {
        const QStringList parts = entry.split(u' ');
        db.exec(
            u"insert into log (dt,tm,employee,type,cardnum) values (?,?,'Ann Smith',?,'0042')"_s,
            {parts[0], parts[1], parts[2]});
    }
    if (done) {
        db.exec(u"insert into allloggedin (dt,cardnum,completed) values ('03/14/26','0042','1')"_s);
        station.prompter.expectMessage(u"Completed"_s, doneForTheDay, PromptIcon::Error);
    }
    announced.clear();
    QAccessible::installUpdateHandler(recordAccessibilityEvent);
    auto *status = station.window.findChild<QLabel *>(u"statusPanel"_s);
    QVERIFY(status);

    station.window.cardField()->setText(card);
    QTest::keyClick(station.window.cardField(), Qt::Key_Return);
    QAccessible::installUpdateHandler(nullptr);

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(status->text().split(u'\n'), panel);
    QCOMPARE(status->styleSheet().contains(u"color"_s), alert);
    QCOMPARE(status->accessibleName(), status->text());
    // Events reach a handler only where a screen reader has switched accessibility on.
    if (QAccessible::isActive()) {
        bool told = false;
        for (const auto &[object, type] : std::as_const(announced))
            told = told || (object == status &&
                            (type == QAccessible::NameChanged || type == QAccessible::Alert));
        QVERIFY(told);
    }
    const int errors = db.select(u"select reason from errorlog"_s).size();
    QCOMPARE(errors, card == u"999"_s ? 1 : 0);

    auto *timer = station.window.findChild<QTimer *>(u"statusTimer"_s);
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    timer->start(1);
    QTRY_VERIFY(status->text().isEmpty());
}

QTEST_MAIN(TestStatusPanel)
#include "tst_statuspanel.moc"
