#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "admin/core/CompanySetup.h"
#include "admin/gui/CompanySetupDialog.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const CompanyDetails stored{u"Acme"_s, u"555 0100"_s, u"1 Road"_s, u"Town"_s, u"County"_s};

CompanyDetails read(Database &db)
{
    return CompanyRecord::load(db);
}

bool same(const CompanyDetails &a, const CompanyDetails &b)
{
    return a.name == b.name && a.telephone == b.telephone && a.address1 == b.address1 &&
           a.address2 == b.address2 && a.address3 == b.address3;
}

} // namespace

class TestCompanySetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Every field is required; a refused update writes nothing.
    void incompleteIsRefused_data();
    void incompleteIsRefused();
    // Complete details are saved silently, quotes and all, on either engine.
    void updateSaves_data() { TestDatabase::addEngineRows(); }
    void updateSaves();
    // A database without its company row reports the error instead of opening.
    void missingRowIsReported();
    // The dialog shows the stored row; Clear only empties the fields.
    void dialogShowsAndClears();
};

void TestCompanySetup::incompleteIsRefused_data()
{
    QTest::addColumn<int>("emptyField");
    for (int field = 0; field < 5; ++field)
        QTest::addRow("field %d empty", field) << field;
}

void TestCompanySetup::incompleteIsRefused()
{
    QFETCH(int, emptyField);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    CompanyRecord::save(db, stored);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s, u"Please check the information you entered."_s,
                           PromptIcon::Error);

    CompanyDetails details{u"New"_s, u"1"_s, u"a"_s, u"b"_s, u"c"_s};
    QString *fields[] = {&details.name, &details.telephone, &details.address1, &details.address2,
                         &details.address3};
    fields[emptyField]->clear();
    QVERIFY(!CompanySetup(db, prompter).update(details));
    QVERIFY(prompter.scriptDone());
    QVERIFY(same(read(db), stored));
}

void TestCompanySetup::updateSaves()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    const CompanyDetails changed{u"O'Neill & Söhne <GmbH>"_s, u"+49 30 1"_s, u"Hof 2"_s,
                                 u"Berlin"_s, u"DE"_s};
    QVERIFY(CompanySetup(db, prompter).update(changed));
    QVERIFY(prompter.seen().isEmpty());
    QVERIFY(same(read(db), changed));
    QCOMPARE(db.select(u"select cname from company"_s).size(), 1);
}

void TestCompanySetup::missingRowIsReported()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"delete from company"_s);
    ScriptedPrompter prompter;
    prompter.expectError();
    CompanySetupDialog::run(db, prompter, nullptr);
    QVERIFY(prompter.scriptDone());
}

void TestCompanySetup::dialogShowsAndClears()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    CompanyRecord::save(db, stored);
    ScriptedPrompter prompter;
    bool checked = false;

    whenDialogOpens(this, [&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), u":: Your Company Details ::"_s);
        auto *name = dialog->findChild<QLineEdit *>(u"companyName"_s);
        QCOMPARE(name->text(), u"Acme"_s);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"address3"_s)->text(), u"County"_s);

        QTest::mouseClick(dialog->findChild<QPushButton *>(u"clearButton"_s), Qt::LeftButton);
        QVERIFY(name->text().isEmpty());
        QVERIFY(same(read(db), stored));

        // Nothing is said after a good update, and the dialog stays open.
        const QStringList typed = {u"Beta"_s, u"2"_s, u"x"_s, u"y"_s, u"z"_s};
        const QStringList names = {u"companyName"_s, u"telephone"_s, u"address1"_s, u"address2"_s,
                                   u"address3"_s};
        for (int i = 0; i < 5; ++i)
            QTest::keyClicks(dialog->findChild<QLineEdit *>(names[i]), typed[i]);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"updateButton"_s), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(read(db).name, u"Beta"_s);
        checked = true;
        dialog->reject();
    });
    CompanySetupDialog::run(db, prompter, nullptr);
    QVERIFY(checked);
    QVERIFY(prompter.seen().isEmpty());
}

QTEST_MAIN(TestCompanySetup)
#include "tst_companysetup.moc"
