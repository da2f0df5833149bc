#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "updater/core/BreakTableUpdater.h"
#include "updater/gui/UpdaterDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUpdaterDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // "Process!" not reaching the station's database, the bar not showing the run or not
    // emptied after it, Enter not running it as the default button, or Escape not
    // closing the window.
    void processUpdatesStationDatabase();
    // The about box missing or showing other words.
    void aboutBox();
};

void TestUpdaterDialog::processUpdatesStationDatabase()
{
    TestHome home;
    const QString path = LocationFile(home.path()).resolve().path;
    {
        Database db(path);
        Transaction transaction(db);
        for (const Schema::Table &table : Schema::tables()) {
            if (!BreakTableUpdater::tableNames().contains(table.name))
                Schema::createTable(db, table);
        }
        transaction.commit();
    }
    ScriptedPrompter prompter;
    UpdaterDialog dialog(prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u":: Chronel Database Updater ::"_s);
    QVERIFY(dialog.findChild<QGroupBox *>());
    QCOMPARE(dialog.findChild<QGroupBox *>()->title(), u"Update"_s);
    auto *changes = dialog.findChild<QLineEdit *>(u"changesField"_s);
    auto *bar = dialog.findChild<QProgressBar *>(u"progressBar"_s);
    auto *process = dialog.findChild<QPushButton *>(u"processButton"_s);
    QVERIFY(changes && bar && process);
    QCOMPARE(changes->text(), u"Break Database Updates"_s);
    QVERIFY(changes->isReadOnly());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(process->text(), u"Process!"_s);

    QVERIFY(process->isDefault());

    QSignalSpy shown(bar, &QProgressBar::valueChanged);
    prompter.expectMessage(u"Success"_s, u"Updates done successfully!"_s, PromptIcon::Information);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(shown.size() >= 3);
    QCOMPARE(shown.first().first().toInt(), 10);
    QCOMPARE(shown.at(shown.size() - 2).first().toInt(), 100);
    QCOMPARE(bar->value(), 0);
    {
        Database db(path);
        QCOMPARE(db.first(u"select numof from breaksettings"_s)[u"numof"_s], u"0"_s);
    }

    // The window stays for another run, which finds nothing to do.
    prompter.expectMessage(u"Success"_s,
                           u"The database is already up to date. Nothing was changed."_s,
                           PromptIcon::Information);
    QTest::mouseClick(process, Qt::LeftButton);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void TestUpdaterDialog::aboutBox()
{
    ScriptedPrompter prompter;
    UpdaterDialog dialog(prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *about = dialog.findChild<QPushButton *>(u"aboutButton"_s);
    QVERIFY(about);
    QCOMPARE(about->text(), u"&About Updater..."_s);
    QVERIFY(!about->autoDefault());
    QString title;
    QString text;
    const bool opened =
        driveDialogOpenedBy([about] { QTest::mouseClick(about, Qt::LeftButton); },
                            [&](QDialog *box) {
                                QVERIFY(box != &dialog);
                                title = box->windowTitle();
                                text = box->findChild<QLabel *>(u"aboutText"_s)->text();
                                box->accept();
                            });
    QVERIFY(opened);
    QCOMPARE(title, u"About Updater"_s);
    QCOMPARE(text, u"Updater Version 1.3"_s);
    QVERIFY(dialog.isVisible());
    QVERIFY(prompter.seen().isEmpty());
}

QTEST_MAIN(TestUpdaterDialog)
#include "tst_updaterdialog.moc"
