#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "wizard/core/WizardDatabase.h"
#include "wizard/core/WizardSteps.h"
#include "wizard/gui/CompanyPage.h"
#include "wizard/gui/WelcomePage.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString companyTitle = u":: Company Details ::"_s;
const QString supervisorTitle = u":: Add a supervisor ::"_s;
const QString completeTitle = u":: Wizard Complete ::"_s;

// The pages open each other with exec(), so a test acts on a page from the event loop
// of that page: each step waits until its page is the active modal window and runs
// once. A page that does not come in time is recorded and every open page closed, so
// a wizard that stops early fails the test instead of hanging it.
class PageDriver : public QObject
{
public:
    void onPage(const QString &title, std::function<void(QDialog *)> step)
    {
        whenModal(
            this,
            [title](QWidget *modal) {
                return qobject_cast<QDialog *>(modal) && modal->windowTitle() == title;
            },
            [step = std::move(step)](QWidget *modal) { step(static_cast<QDialog *>(modal)); },
            [this, title] {
                missed << title;
                closeModalWidgets();
            });
    }

    QStringList missed;
};

void typeInto(QWidget *page, const QString &fieldName, const QString &text)
{
    auto *field = page->findChild<QLineEdit *>(fieldName);
    QVERIFY2(field, qPrintable(fieldName));
    QTest::keyClicks(field, text);
}

void press(QWidget *page, const QString &buttonName)
{
    auto *button = page->findChild<QPushButton *>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestWizardPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A page that does not open the next, loses or mixes up a typed value, stores the
    // password as typed, leaves the database marked unfinished, stops the progress
    // short, or ends the program with the wrong code or words.
    void fullRun();
    // A blank company field is written, or the wizard moves on to the supervisor page.
    void blankCompanyFieldStays_data();
    void blankCompanyFieldStays();
    // The about box is missing or shows another version than the station's.
    void aboutShowsVersion();
};

void TestWizardPages::fullRun()
{
    TestHome home;
    const std::unique_ptr<Database> db = WizardDatabase::open();
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, u"Settings saved.You can now run Chronel"_s,
                           PromptIcon::Information);
    WizardSteps steps(*db, prompter);
    QList<int> exitCodes;
    WizardContext context{steps, [&exitCodes](int exitCode) {
                              exitCodes << exitCode;
                              closeModalWidgets();
                          }};

    const QString password = u"Tr0ub4dor&3"_s;
    int progress = -1;
    PageDriver driver;
    driver.onPage(companyTitle, [](QDialog *page) {
        typeInto(page, u"companyName"_s, u"O'Brien & Sons"_s);
        typeInto(page, u"telephone"_s, u"021 555 0199"_s);
        typeInto(page, u"address1"_s, u"1 Quay Street"_s);
        typeInto(page, u"address2"_s, u"Cork"_s);
        typeInto(page, u"address3"_s, u"Ireland"_s);
        press(page, u"nextButton"_s);
    });
    driver.onPage(supervisorTitle, [&password](QDialog *page) {
        typeInto(page, u"userName"_s, u"BOSS"_s);
        typeInto(page, u"password"_s, password);
        typeInto(page, u"confirmPassword"_s, password);
        press(page, u"nextButton"_s);
    });
    driver.onPage(completeTitle, [&progress](QDialog *page) {
        auto *bar = page->findChild<QProgressBar *>(u"progress"_s);
        QVERIFY(bar);
        QCOMPARE(bar->value(), 0);
        press(page, u"finishButton"_s);
        progress = bar->value();
    });

    WelcomePage welcome(context);
    welcome.show();
    press(&welcome, u"nextButton"_s);

    QVERIFY2(driver.missed.isEmpty(), qPrintable(driver.missed.join(u", "_s)));
    QCOMPARE(exitCodes, QList<int>{3});
    QCOMPARE(progress, 100);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(prompter.seen().size(), 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    const SqlRow company = db->first(u"select cname,tnum,a1,a2,a3 from company"_s);
    QCOMPARE(company[u"cname"_s], u"O'Brien & Sons"_s);
    QCOMPARE(company[u"tnum"_s], u"021 555 0199"_s);
    QCOMPARE(company[u"a1"_s], u"1 Quay Street"_s);
    QCOMPARE(company[u"a2"_s], u"Cork"_s);
    QCOMPARE(company[u"a3"_s], u"Ireland"_s);

    const QList<SqlRow> users = db->select(u"select username,password from users"_s);
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.first()[u"username"_s], u"BOSS"_s);
    const QString stored = users.first()[u"password"_s];
    QVERIFY(stored != password);
    QVERIFY2(stored.startsWith(u"$argon2id$"_s), qPrintable(stored));
    QVERIFY(PasswordHash::matches(stored, password));

    QCOMPARE(db->first(u"select first from run"_s)[u"first"_s], u"0"_s);
}

void TestWizardPages::blankCompanyFieldStays_data()
{
    QTest::addColumn<QString>("blankField");

    const QStringList fields = {u"companyName"_s, u"telephone"_s, u"address1"_s, u"address2"_s,
                                u"address3"_s};
    for (const QString &field : fields)
        QTest::newRow(qPrintable(field)) << field;
}

void TestWizardPages::blankCompanyFieldStays()
{
    QFETCH(QString, blankField);
    TestHome home;
    const std::unique_ptr<Database> db = WizardDatabase::open();
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error"_s, u"Please check values"_s, PromptIcon::Error);
    WizardSteps steps(*db, prompter);
    QList<int> exitCodes;
    WizardContext context{steps, [&exitCodes](int exitCode) { exitCodes << exitCode; }};

    // Should the supervisor page open after all, it is noted and closed again.
    bool supervisorOpened = false;
    PageDriver driver;
    driver.onPage(supervisorTitle, [&supervisorOpened](QDialog *page) {
        supervisorOpened = true;
        page->reject();
    });

    CompanyPage page(context);
    page.show();
    QCOMPARE(page.windowTitle(), companyTitle);
    const QStringList fields = {u"companyName"_s, u"telephone"_s, u"address1"_s, u"address2"_s,
                                u"address3"_s};
    for (const QString &field : fields) {
        if (field != blankField)
            typeInto(&page, field, u"Filled"_s);
    }
    press(&page, u"nextButton"_s);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(prompter.seen().size(), 1);
    QVERIFY(!supervisorOpened);
    QVERIFY(page.isVisible());
    QVERIFY(exitCodes.isEmpty());
    const SqlRow company = db->first(u"select cname,tnum,a1,a2,a3 from company"_s);
    for (const QString &column : {u"cname"_s, u"tnum"_s, u"a1"_s, u"a2"_s, u"a3"_s})
        QCOMPARE(company[column], QString());
}

void TestWizardPages::aboutShowsVersion()
{
    TestHome home;
    const std::unique_ptr<Database> db = WizardDatabase::open();
    ScriptedPrompter prompter;
    WizardSteps steps(*db, prompter);
    WelcomePage welcome(WizardContext{steps, [](int) {}});
    welcome.show();

    QString title;
    QString text;
    whenDialogOpens(this, [&](QDialog *box) {
        title = box->windowTitle();
        auto *label = box->findChild<QLabel *>(u"aboutText"_s);
        QVERIFY(label);
        text = label->text();
    });
    press(&welcome, u"aboutButton"_s);

    QCOMPARE(title, u"About Wizard"_s);
    QCOMPARE(text, u"Wizard Version 1.3"_s);
    QVERIFY(welcome.isVisible());
    QVERIFY(prompter.seen().isEmpty());
}

QTEST_MAIN(TestWizardPages)
#include "tst_wizardpages.moc"
