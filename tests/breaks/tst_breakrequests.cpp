#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "breaks/core/BreakRequest.h"
#include "breaks/core/BreakRequestList.h"
#include "breaks/gui/BreakRequestNotices.h"
#include "breaks/gui/BreakRequestWindow.h"
#include "platform/network/MessageListener.h"
#include "platform/network/UdpMessenger.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

using namespace Qt::StringLiterals;

namespace {

QString request(const QString &name, const QString &card)
{
    return BreakRequest::text(name, card);
}

QList<QWidget *> noticeWindows()
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"breakRequestNotice"_s)
            found << window;
    return found;
}

QStringList lines(const QAbstractItemModel &model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 0).data().toString();
    return shown;
}

// Sends datagrams from one loopback address, as another computer would.
struct Sender
{
    explicit Sender(const QString &from = u"127.0.0.1"_s)
    {
        bound = socket.bind(QHostAddress(from), 0);
    }
    void send(const QByteArray &datagram, quint16 port)
    {
        QCOMPARE(socket.writeDatagram(datagram, QHostAddress::LocalHost, port),
                 qint64(datagram.size()));
    }

    QUdpSocket socket;
    bool bound = false;
};

} // namespace

class TestBreakRequests : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { qDeleteAll(noticeWindows()); }

    // A message cut, re-encoded, or sent to the wrong port or address.
    void datagramArrives_data();
    void datagramArrives();
    // An oversized datagram or one that is not UTF-8 taken as text, or a good one refused.
    void messageText_data();
    void messageText();
    // Anything but the request the stations send shown as one.
    void isRequest_data();
    void isRequest();
    // A repeated request adding lines, an old one refreshed instead of added, or the list
    // growing past its size or losing its newest lines.
    void requestList();
    // The request never reaches the supervisor's station, arrives with other words, or
    // blocks that station's window while it is shown.
    void requestShownWithoutBlocking();
    // A flood of hostile datagrams opening windows, growing memory, showing markup or
    // passing uncounted.
    void flood();
    // A request from a host the list does not name shown, or one it names refused.
    void allowList_data();
    void allowList();
};

void TestBreakRequests::datagramArrives_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    const QString text = request(u"Zoë O'Neil"_s, u"0042"_s);
    QTest::newRow("address") << u"127.0.0.1"_s << text;
    QTest::newRow("host name") << u"localhost"_s << text;
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
    QCOMPARE(arrived.first().at(0).toString(), text);
    QVERIFY(arrived.first().at(1).value<QHostAddress>().isLoopback());
}

void TestBreakRequests::messageText_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("text"); // null: dropped

    QTest::newRow("ASCII") << "Employee ->Ann"_ba << u"Employee ->Ann"_s;
    QTest::newRow("accents and emoji") << "Zo\xc3\xab \xf0\x9f\x98\x80"_ba << u"Zoë 😀"_s;
    QTest::newRow("right-to-left") << u"דנה"_s.toUtf8() << u"דנה"_s;
    QTest::newRow("512 bytes") << QByteArray(512, 'a') << QString(512, u'a');
    QTest::newRow("513 bytes") << QByteArray(513, 'a') << QString();
    QTest::newRow("empty") << QByteArray() << u""_s;
    QTest::newRow("byte FF") << "Ann\xff"_ba << QString();
    QTest::newRow("cut sequence at the end") << "Ann\xc3"_ba << QString();
    QTest::newRow("overlong slash") << "\xc0\xaf"_ba << QString();
    QTest::newRow("encoded surrogate") << "\xed\xa0\x80"_ba << QString();
    QTest::newRow("Latin-1") << "Zo\xeb"_ba << QString();
}

void TestBreakRequests::messageText()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, text);
    const QString taken = MessageListener::messageText(datagram);
    QCOMPARE(taken.isNull(), text.isNull());
    QCOMPARE(taken, text);
}

void TestBreakRequests::isRequest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("request");

    QTest::newRow("as sent") << request(u"Ann"_s, u"0042"_s) << true;
    QTest::newRow("markup in the name") << request(u"<b>BREAK GRANTED</b>"_s, u"1"_s) << true;
    QTest::newRow("right-to-left name") << request(u"דנה"_s, u"A1B2"_s) << true;
    QTest::newRow("empty parts") << request({}, {}) << true;
    QTest::newRow("plain text") << u"BREAK GRANTED"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("no card part") << u"Employee ->Ann requests a break authorization"_s << false;
    QTest::newRow("words after") << request(u"Ann"_s, u"1"_s) + u" now"_s << false;
    QTest::newRow("words before") << u" "_s + request(u"Ann"_s, u"1"_s) << false;
    QTest::newRow("parts overlapping")
        << u"Employee -> Login number -> requests a break authorization"_s << false;
    QTest::newRow("line break in the name") << request(u"Ann\nBREAK GRANTED"_s, u"1"_s) << false;
    QTest::newRow("NUL in the card") << request(u"Ann"_s, u"1\0002"_s) << false;
    QTest::newRow("tab") << request(u"Ann\t"_s, u"1"_s) << false;
    QTest::newRow("C1 control") << request(u"Ann\u0085"_s, u"1"_s) << false;
}

void TestBreakRequests::isRequest()
{
    QFETCH(QString, text);
    QFETCH(bool, request);
    QCOMPARE(BreakRequest::isRequest(text), request);
}

void TestBreakRequests::requestList()
{
    BreakRequestList list;
    const QDateTime start(QDate(2026, 3, 14), QTime(8, 0, 0));
    const QString ann = request(u"Ann"_s, u"0042"_s);
    const QString bob = request(u"Bob"_s, u"17"_s);

    list.add(ann, start);
    list.add(bob, start.addSecs(10));
    // Ann again within the minute: her line comes up with the new time.
    list.add(ann, start.addSecs(59));
    QCOMPARE(lines(list), (QStringList{u"08:00:59  "_s + ann, u"08:00:10  "_s + bob}));
    // Counted from the refreshed time, Ann is still within the minute.
    list.add(ann, start.addSecs(118));
    QCOMPARE(lines(list), (QStringList{u"08:01:58  "_s + ann, u"08:00:10  "_s + bob}));
    // A minute after, it is a new request.
    list.add(ann, start.addSecs(178));
    QCOMPARE(lines(list),
             (QStringList{u"08:02:58  "_s + ann, u"08:01:58  "_s + ann, u"08:00:10  "_s + bob}));

    for (int card = 1; card <= BreakRequestList::capacity + 5; ++card)
        list.add(request(u"Cid"_s, QString::number(card)), start.addSecs(200 + card));
    QCOMPARE(list.rowCount(), BreakRequestList::capacity);
    QVERIFY(lines(list).first().endsWith(request(u"Cid"_s, u"55"_s)));
    QVERIFY(lines(list).last().endsWith(request(u"Cid"_s, u"6"_s)));
}

void TestBreakRequests::requestShownWithoutBlocking()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update eauth set ename = 'Ann',cardnum = '0042'"_s);
    FixedClock clock;
    BreakRequestNotices notices(clock, {}, 0);
    QVERIFY2(notices.listen(), qPrintable(notices.errorString()));
    UdpMessenger messenger(notices.port());
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s, PromptIcon::Information);

    BreakRequest(prompter, messenger, u"127.0.0.1"_s).send(u"Ann"_s, u"0042"_s);
    QTRY_VERIFY(notices.window() && notices.window()->isVisible());
    BreakRequestWindow *window = notices.window();
    auto *list = window->findChild<QListView *>(u"breakRequestList"_s);
    QVERIFY(list);
    QCOMPARE(
        lines(*list->model()),
        QStringList{
            u"08:05:09  Employee ->Ann Login number -> 0042 requests a break authorization"_s});
    QVERIFY(!window->isModal());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(notices.inbox().dropped(), 0);
}

void TestBreakRequests::flood()
{
    FixedClock clock;
    BreakRequestNotices notices(clock, {}, 0);
    QVERIFY2(notices.listen(), qPrintable(notices.errorString()));
    QSignalSpy taken(&notices.inbox(), &BreakRequestInbox::requestTaken);
    Sender sender;
    QVERIFY(sender.bound);
    const QString ann = request(u"Ann"_s, u"0042"_s);
    const QString markup =
        request(u"<b style=\"color:red\">BREAK GRANTED</b><img src=x>"_s, u"1"_s);

    // One in ten of each kind of refused datagram, two in ten repeats of one request and
    // four in ten different requests.
    const auto datagram = [&](int i) -> QByteArray {
        switch (i % 10) {
        case 0:
            return QByteArray(i % 100 == 0 ? 65000 : 600, 'x');
        case 1:
            return ann.toUtf8() + "\xff";
        case 2:
            return "<h1 style=\"color:red\">BREAK GRANTED</h1>";
        case 3:
            return request(u"Ann\u0000"_s, u"0042"_s).toUtf8();
        case 4:
        case 5:
            return ann.toUtf8();
        default:
            return request(u"Employee %1"_s.arg(i), QString::number(i)).toUtf8();
        }
    };
    int windowObjects = 0;
    const int total = 1000;
    for (int sent = 0; sent < total;) {
        for (const int batchEnd = sent + 50; sent < batchEnd; ++sent)
            sender.send(sent == total - 1 ? markup.toUtf8() : datagram(sent), notices.port());
        // Loopback drops what does not fit its buffer: take each batch before the next.
        QTRY_COMPARE(int(taken.size()) + notices.inbox().dropped(), sent);
        if (sent == total / 2)
            windowObjects = notices.window()->findChildren<QObject *>().size();
    }

    QCOMPARE(notices.inbox().dropped(), 4 * total / 10);
    QCOMPARE(noticeWindows().size(), 1);
    QVERIFY(notices.window()->isVisible());
    QCOMPARE(notices.window()->findChildren<QObject *>().size(), windowObjects);
    const QStringList shown = lines(notices.inbox().requests());
    QCOMPARE(shown.size(), BreakRequestList::capacity);
    QCOMPARE(shown.filter(ann).size(), 1);
    // The markup is shown as it came, in a list that draws text only.
    QCOMPARE(shown.first(), u"08:05:09  "_s + markup);
    QVERIFY(notices.window()->findChild<QListView *>(u"breakRequestList"_s));
    for (QLabel *label : notices.window()->findChildren<QLabel *>())
        QVERIFY(!label->text().contains(u"BREAK"_s));
}

void TestBreakRequests::allowList_data()
{
    QTest::addColumn<QStringList>("allowed");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("shown");

    const QString here = u"127.0.0.1"_s;
    const QString other = u"127.0.0.2"_s;
    QTest::newRow("empty list: any host") << QStringList() << here << true;
    QTest::newRow("another host only") << QStringList{other} << here << false;
    QTest::newRow("that host") << QStringList{other} << other << true;
    QTest::newRow("among others") << QStringList{u"10.0.0.9"_s, here} << here << true;
    QTest::newRow("host name") << QStringList{u"localhost"_s} << here << true;
    QTest::newRow("IPv6 loopback only") << QStringList{u"::1"_s} << here << false;
}

void TestBreakRequests::allowList()
{
    QFETCH(QStringList, allowed);
    QFETCH(QString, from);
    QFETCH(bool, shown);
    FixedClock clock;
    BreakRequestNotices notices(clock, allowed, 0);
    QVERIFY2(notices.listen(), qPrintable(notices.errorString()));
    QTRY_VERIFY(!notices.senders().lookingUp());
    Sender sender(from);
    QVERIFY2(sender.bound, qPrintable(sender.socket.errorString()));

    sender.send(request(u"Ann"_s, u"0042"_s).toUtf8(), notices.port());
    QTRY_COMPARE(notices.inbox().requests().rowCount() + notices.inbox().dropped(), 1);
    QCOMPARE(notices.inbox().requests().rowCount(), shown ? 1 : 0);
    QCOMPARE(notices.window() != nullptr, shown);
}

QTEST_MAIN(TestBreakRequests)
#include "tst_breakrequests.moc"
