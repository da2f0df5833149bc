#include "BreakRequest.h"
#include "BreakRequestNotices.h"
#include "Database.h"
#include "MessageListener.h"
#include "QuietWarnings.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "UdpMessenger.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QMessageBox *shownNotice()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"breakRequestNotice"_s && window->isVisible())
            return qobject_cast<QMessageBox *>(window);
    return nullptr;
}

} // namespace

class TestBreakRequests : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { delete shownNotice(); }

    // A message cut, re-encoded, or sent to the wrong port or address.
    void datagramArrives_data();
    void datagramArrives();
    // The request never reaches the supervisor's station, arrives with other words, or
    // blocks that station's window while it is shown.
    void requestShownWithoutBlocking();
};

void TestBreakRequests::datagramArrives_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    const QString request =
        u"Employee ->Zoë O'Neil Login number -> 0042 requests a break authorization"_s;
    QTest::newRow("address") << u"127.0.0.1"_s << request;
    QTest::newRow("host name") << u"localhost"_s << request;
}

void TestBreakRequests::datagramArrives()
{
    QFETCH(QString, address);
    QFETCH(QString, text);
    MessageListener listener(0);
    QVERIFY2(listener.listen(), qPrintable(listener.errorString()));
    QSignalSpy arrived(&listener, &MessageListener::messageArrived);
    UdpMessenger messenger(listener.port());

    messenger.send(address, text);
    QTRY_COMPARE(arrived.size(), 1);
    QCOMPARE(arrived.first().first().toString(), text);
}

void TestBreakRequests::requestShownWithoutBlocking()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update eauth set ename = 'Ann',cardnum = '0042'"_s);
    BreakRequestNotices notices(0);
    QVERIFY2(notices.listen(), qPrintable(notices.errorString()));
    UdpMessenger messenger(notices.port());
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s, PromptIcon::Information);

    BreakRequest(prompter, messenger, u"127.0.0.1"_s).send(u"Ann"_s, u"0042"_s);
    QTRY_VERIFY(shownNotice());
    QMessageBox *notice = shownNotice();
    QCOMPARE(notice->text(),
             u"Employee ->Ann Login number -> 0042 requests a break authorization"_s);
    QVERIFY(!notice->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(TestBreakRequests)
#include "tst_breakrequests.moc"
