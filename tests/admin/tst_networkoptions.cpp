#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "admin/core/NetworkOptions.h"
#include "admin/gui/NetworkOptionsDialog.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using Choice = NetworkOptions::Choice;

const QString exitMessage =
    u"Chronel will now exit for changes to take effect.Please re-run Chronel!"_s;
const QString noPath = u"Please enter in a network path or select local mode"_s;
const QString contacted = u"Database was successfully contacted!"_s;
const QString notContacted =
    u"Database could not be contacted.Please check USN name or network connectivity"_s;

// The files of a home: the location file's content ("-" when absent) and the marker.
QString files(const TestHome &home)
{
    const QString location = QFile::exists(home.file(LocationFile::fileName))
                                 ? QString::fromUtf8(home.read(LocationFile::fileName))
                                 : u"-"_s;
    const bool marker = QFile::exists(home.file(LocationFile::markerName));
    return location + (marker ? u" +marker"_s : QString());
}

void startIn(const TestHome &home, const QString &mode)
{
    if (mode == u"local"_s) {
        home.write(LocationFile::fileName, home.file(u"main.db"_s).toUtf8());
        home.write(LocationFile::markerName, {});
    } else if (mode == u"network"_s) {
        home.write(LocationFile::fileName, "/srv/old");
    }
}

// A set-up Chronel database in a folder of its own.
void makeDatabase(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder));
    Database db(folder + u"/main.db"_s);
    Schema::create(db);
}

} // namespace

Q_DECLARE_METATYPE(NetworkOptions::Choice)

class TestNetworkOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Apply leaving the wrong files, deleting them before a refusal, not ending the
    // program, or files that the next start reads as another place.
    void apply_data();
    void apply();
    // A location that cannot be written reported as done, or ending the program.
    void applyFailureIsReported();
    // A folder without a Chronel database reported as contacted, or an empty database
    // left behind by the test.
    void testFolder_data();
    void testFolder();
    // A server URI judged as a folder, or a server without the tables reported as
    // contacted.
    void testServer_data();
    void testServer();
    // The path and test controls usable before network is chosen, the mode not shown,
    // an earlier choice of the run hidden, or the dialog staying open after Apply.
    void dialog();
};

void TestNetworkOptions::apply_data()
{
    QTest::addColumn<QString>("start"); // local, network or none
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("filesAfter"); // "<home>" stands for the home folder
    QTest::addColumn<QString>("nextPath");
    QTest::addColumn<bool>("nextLocal");

    const QString local = u"local"_s;
    const QString network = u"network"_s;
    const QString localDb = u"<home>/main.db"_s;
    QTest::newRow("local from network")
        << network << Choice::Local << QString() << true << u"- +marker"_s << localDb << true;
    QTest::newRow("local from local, path ignored")
        << local << Choice::Local << u"/srv/x"_s << true << u"- +marker"_s << localDb << true;
    QTest::newRow("local on a first start")
        << u"none"_s << Choice::Local << QString() << true << u"- +marker"_s << localDb << true;
    QTest::newRow("network from local") << local << Choice::Network << u"/srv/clock"_s << true
                                        << u"/srv/clock"_s << u"/srv/clock/main.db"_s << false;
    QTest::newRow("network, blanks around")
        << local << Choice::Network << u"  /srv/clock \n"_s << true << u"/srv/clock"_s
        << u"/srv/clock/main.db"_s << false;
    QTest::newRow("network, trailing slash")
        << local << Choice::Network << u"/srv/clock/"_s << true << u"/srv/clock/"_s
        << u"/srv/clock//main.db"_s << false;
    QTest::newRow("network, non-ASCII folder")
        << network << Choice::Network << u"/srv/zeit\u00e4"_s << true << u"/srv/zeit\u00e4"_s
        << u"/srv/zeit\u00e4/main.db"_s << false;
    QTest::newRow("network, server")
        << local << Choice::Network << u"postgresql://clock@db.local/chronel"_s << true
        << u"postgresql://clock@db.local/chronel"_s << u"postgresql://clock@db.local/chronel"_s
        << false;
    QTest::newRow("nothing chosen, path typed")
        << local << Choice::None << u"/srv/clock"_s << true << u"/srv/clock"_s
        << u"/srv/clock/main.db"_s << false;
    QTest::newRow("network, empty path") << local << Choice::Network << QString() << false
                                         << localDb + u" +marker"_s << localDb << true;
    QTest::newRow("network, blank path") << network << Choice::Network << u"   "_s << false
                                         << u"/srv/old"_s << u"/srv/old/main.db"_s << false;
    QTest::newRow("nothing chosen, empty path") << local << Choice::None << QString() << false
                                                << localDb + u" +marker"_s << localDb << true;
}

void TestNetworkOptions::apply()
{
    QFETCH(QString, start);
    QFETCH(Choice, choice);
    QFETCH(QString, path);
    QFETCH(bool, ends);
    QFETCH(QString, filesAfter);
    QFETCH(QString, nextPath);
    QFETCH(bool, nextLocal);
    TestHome home;
    startIn(home, start);
    ScriptedPrompter prompter;
    if (ends)
        prompter.expectMessage(u"Changes"_s, exitMessage, PromptIcon::Information);
    else
        prompter.expectMessage(u"Network path"_s, noPath, PromptIcon::Error);

    QCOMPARE(NetworkOptions(home.path(), prompter).apply(choice, path), ends);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(files(home), QString(filesAfter).replace(u"<home>"_s, home.path()));

    const DatabaseLocation next = LocationFile(home.path()).resolve();
    QCOMPARE(next.path, QString(nextPath).replace(u"<home>"_s, home.path()));
    QCOMPARE(next.localMode, nextLocal);
}

void TestNetworkOptions::applyFailureIsReported()
{
    TestHome home;
    startIn(home, u"local"_s);
    // A marker that cannot be deleted: a folder with something in it.
    QFile::remove(home.file(LocationFile::markerName));
    QVERIFY(QDir().mkpath(home.file(LocationFile::markerName + u"/keep"_s)));
    const QByteArray before = home.read(LocationFile::fileName);
    ScriptedPrompter prompter;
    prompter.expectError();

    QVERIFY(!NetworkOptions(home.path(), prompter).apply(Choice::Network, u"/srv/clock"_s));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(home.read(LocationFile::fileName), before);
}

void TestNetworkOptions::testFolder_data()
{
    QTest::addColumn<QString>("content"); // chronel, empty database, text, none
    QTest::addColumn<bool>("reached");
    QTest::newRow("chronel database") << u"chronel"_s << true;
    QTest::newRow("database without the tables") << u"empty database"_s << false;
    QTest::newRow("not a database") << u"text"_s << false;
    QTest::newRow("no database") << u"none"_s << false;
    QTest::newRow("no folder") << u"no folder"_s << false;
}

void TestNetworkOptions::testFolder()
{
    QFETCH(QString, content);
    QFETCH(bool, reached);
    TestHome home;
    const QString folder = home.file(u"share"_s);
    const QString file = folder + u"/main.db"_s;
    if (content != u"no folder"_s)
        QVERIFY(QDir().mkpath(folder));
    if (content == u"chronel"_s) {
        makeDatabase(folder);
    } else if (content == u"empty database"_s) {
        Database db(file);
        db.exec(u"create table other (x text)"_s);
    } else if (content == u"text"_s) {
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
    }
    const bool existed = QFile::exists(file);
    ScriptedPrompter prompter;
    prompter.expectMessage(reached ? u"Success!"_s : u"Failure!"_s,
                           reached ? contacted : notContacted,
                           reached ? PromptIcon::Information : PromptIcon::Error);

    QCOMPARE(NetworkOptions(home.path(), prompter).testConnection(folder), reached);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(QFile::exists(file), existed);
}

void TestNetworkOptions::testServer_data()
{
    QTest::addColumn<QString>("content"); // chronel, empty or unreachable
    QTest::addColumn<bool>("reached");
    QTest::newRow("chronel database") << u"chronel"_s << true;
    QTest::newRow("database without the tables") << u"empty"_s << false;
    QTest::newRow("no server") << u"unreachable"_s << false;
}

void TestNetworkOptions::testServer()
{
    QFETCH(QString, content);
    QFETCH(bool, reached);
    if (!TestDatabase::available(u"postgresql"_s))
        return;
    TestDatabase target(u"postgresql"_s);
    QString uri = target.location();
    if (content == u"chronel"_s) {
        Database db(uri);
        Schema::create(db);
    } else if (content == u"unreachable"_s) {
        QUrl url(uri);
        url.setHost(u"127.0.0.1"_s);
        url.setPort(1); // nothing listens on port 1
        uri = url.toString();
    }
    TestHome home;
    ScriptedPrompter prompter;
    prompter.expectMessage(reached ? u"Success!"_s : u"Failure!"_s,
                           reached ? contacted : notContacted,
                           reached ? PromptIcon::Information : PromptIcon::Error);

    QCOMPARE(NetworkOptions(home.path(), prompter).testConnection(uri), reached);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestNetworkOptions::dialog()
{
    TestHome home;
    startIn(home, u"network"_s);
    const QString share = home.file(u"share"_s);
    makeDatabase(share);
    ScriptedPrompter prompter;
    Choice choice = Choice::None;
    bool checked = false;

    // First opening: choose network, test the folder, then close without applying.
    whenDialogOpens(this, [&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->windowTitle(), u":: Network Options ::"_s);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"modeField"_s)->text(), u"Network Mode"_s);
        auto *local = dialog->findChild<QRadioButton *>(u"localRadio"_s);
        auto *network = dialog->findChild<QRadioButton *>(u"networkRadio"_s);
        auto *path = dialog->findChild<QLineEdit *>(u"pathEdit"_s);
        auto *test = dialog->findChild<QPushButton *>(u"testButton"_s);
        auto *apply = dialog->findChild<QPushButton *>(u"applyButton"_s);
        QVERIFY(local && network && path && test && apply);
        QVERIFY(!local->isChecked() && !network->isChecked());
        QVERIFY(!path->isEnabled() && !test->isEnabled());
        QVERIFY(!apply->autoDefault() && !test->autoDefault());

        QTest::mouseClick(network, Qt::LeftButton, {}, QPoint(5, network->height() / 2));
        QVERIFY(path->isEnabled() && test->isEnabled());
        prompter.expectMessage(u"Error!"_s, u"Please enter in a path to the database"_s,
                               PromptIcon::Error);
        QTest::mouseClick(test, Qt::LeftButton);
        QTest::keyClicks(path, share);
        prompter.expectMessage(u"Success!"_s, contacted, PromptIcon::Information);
        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        // Enter neither applies nor tests.
        QTest::keyClick(path, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(files(home), u"/srv/old"_s);
        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(!NetworkOptionsDialog::run(prompter, false, choice, nullptr));
    QVERIFY(checked);
    QCOMPARE(choice, Choice::Network);
    QCOMPARE(files(home), u"/srv/old"_s);

    // Second opening of the run: the choice still holds and is shown; Apply ends it.
    checked = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->findChild<QLineEdit *>(u"modeField"_s)->text(), u"Local Mode"_s);
        QVERIFY(dialog->findChild<QRadioButton *>(u"networkRadio"_s)->isChecked());
        auto *path = dialog->findChild<QLineEdit *>(u"pathEdit"_s);
        QVERIFY(path->isEnabled());
        QVERIFY(path->text().isEmpty());
        QTest::keyClicks(path, share);
        prompter.expectMessage(u"Changes"_s, exitMessage, PromptIcon::Information);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"applyButton"_s), Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        checked = true;
    });
    QVERIFY(NetworkOptionsDialog::run(prompter, true, choice, nullptr));
    QVERIFY(checked);
    const DatabaseLocation next = LocationFile(home.path()).resolve();
    QCOMPARE(next.path, share + u"/main.db"_s);
    QVERIFY(!next.localMode);
}

QTEST_MAIN(TestNetworkOptions)
#include "tst_networkoptions.moc"
