#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "WhenModal.h"
#include "platform/gui/DatePicker.h"
#include "reports/gui/DailyReportDialog.h"
#include "reports/gui/ErrorLogReportDialog.h"
#include "reports/gui/IndividualReportDialog.h"
#include "reports/gui/MonthlyReportDialog.h"
#include "reports/gui/NoClockReportDialog.h"
#include "store/StartupValues.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum class Report
{
    Daily,
    Monthly,
    Individual,
    NoClock,
    ErrorLog,
};

std::unique_ptr<ReportDialog> makeDialog(Report report, ReportFixture &fx,
                                         const StartupValues &values)
{
    switch (report) {
    case Report::Daily:
        return std::make_unique<DailyReportDialog>(fx.db(), fx.prompter, fx.clock, values);
    case Report::Monthly:
        return std::make_unique<MonthlyReportDialog>(fx.db(), fx.prompter, fx.clock);
    case Report::Individual: {
        auto dialog = std::make_unique<IndividualReportDialog>(fx.db(), fx.prompter, fx.clock);
        dialog->loadEmployees();
        return dialog;
    }
    case Report::NoClock:
        return std::make_unique<NoClockReportDialog>(fx.db(), fx.prompter, fx.clock);
    case Report::ErrorLog:
        return std::make_unique<ErrorLogReportDialog>(fx.db(), fx.prompter, fx.clock);
    }
    return {};
}

// Clicks the run button. The text of the viewer that opened meanwhile, closed again;
// none when no viewer opened.
std::optional<QString> viewedAfterRun(QDialog &dialog)
{
    const std::optional<ReportFixture::Viewed> viewed =
        ReportFixture::viewedAfterClick(dialog.findChild<QPushButton *>(u"runButton"_s));
    return viewed ? std::optional<QString>(viewed->text) : std::nullopt;
}

void tick(QDialog &dialog, const QString &box)
{
    dialog.findChild<QCheckBox *>(box)->setChecked(true);
}

// Controls a user fills in must be named for assistive tools: by a label or directly.
QStringList unnamedControls(QWidget &dialog)
{
    QList<QWidget *> labelled;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        labelled << label->buddy();
    QStringList unnamed;
    for (QWidget *control : dialog.findChildren<QWidget *>()) {
        const bool input = qobject_cast<QLineEdit *>(control) ||
                           qobject_cast<DatePicker *>(control) ||
                           qobject_cast<QListWidget *>(control);
        if (!input || control->parent()->inherits("QAbstractSpinBox"))
            continue;
        if (control->accessibleName().isEmpty() && !labelled.contains(control))
            unnamed << control->objectName();
    }
    return unnamed;
}

} // namespace

Q_DECLARE_METATYPE(Report)

class TestReportDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Each dialog as given: title, run button that never answers Enter, dates shown as
    // MM/dd/yy, every control named.
    void dialogs_data();
    void dialogs();
    // A run shows the page it wrote in the viewer and leaves the dialog open for the next.
    void runShowsPage_data();
    void runShowsPage();
    // A refused run, a run stopped at its message and an unwritable report file open no
    // viewer.
    void noViewer_data();
    void noViewer();
    // Enter in a report dialog runs nothing.
    void enterDoesNothing();
    // "Show Breaks" can be ticked only when the station started with breaks on.
    void showBreaksFollowsStartup_data();
    void showBreaksFollowsStartup();
    // The individual report takes a chosen employee by card, telling two of one name
    // apart, or a typed name as it stands.
    void individualName();
};

void TestReportDialogs::dialogs_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("runCaption");
    QTest::newRow("daily") << Report::Daily << u":: Daily Log-in and Log-out Report:"_s
                           << u"Run Report!"_s;
    QTest::newRow("monthly") << Report::Monthly << u":: Monthly Report ::"_s << u"Run Report!"_s;
    QTest::newRow("individual") << Report::Individual << u":: Individual Report ::"_s
                                << u"Run the Report!"_s;
    QTest::newRow("no-clock") << Report::NoClock << u":: No Clock in/out Report ::"_s
                              << u"Run Report!"_s;
    QTest::newRow("error log") << Report::ErrorLog << u":: Error Log Report :: "_s
                               << u"Run Report!"_s;
}

void TestReportDialogs::dialogs()
{
    QFETCH(Report, report);
    QFETCH(QString, title);
    QFETCH(QString, runCaption);
    ReportFixture fx;
    fx.clock.set(QDateTime(QDate(2026, 1, 2), QTime(9, 0)));
    const StartupValues values;
    std::unique_ptr<ReportDialog> dialog = makeDialog(report, fx, values);

    QCOMPARE(dialog->windowTitle(), title);
    auto *run = dialog->findChild<QPushButton *>(u"runButton"_s);
    QCOMPARE(run->text(), runCaption);
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        QVERIFY(!button->autoDefault() && !button->isDefault());
    const QList<DatePicker *> dates = dialog->findChildren<DatePicker *>();
    QVERIFY(!dates.isEmpty());
    for (DatePicker *date : dates)
        QCOMPARE(date->findChild<QLineEdit *>()->text(), u"01/02/26"_s);
    QCOMPARE(unnamedControls(*dialog), QStringList());
}

void TestReportDialogs::runShowsPage_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("daily") << Report::Daily << QStringList{u"logInBox"_s, u"showBreaksBox"_s}
                           << u"Daily Report for the 03/14/26"_s;
    QTest::newRow("monthly") << Report::Monthly << QStringList{u"logInBox"_s}
                             << u"Monthly Report for the 03/14/26 to 03/14/26"_s;
    QTest::newRow("individual") << Report::Individual << QStringList()
                                << u"Individual Report for Zo\u00eb <O'Brien>"_s;
    QTest::newRow("no-clock") << Report::NoClock << QStringList{u"noClockOutBox"_s}
                              << u"No Clock report for 03/14/26"_s;
    QTest::newRow("error log") << Report::ErrorLog << QStringList()
                               << u"Error Report for the 03/14/26"_s;
}

void TestReportDialogs::runShowsPage()
{
    QFETCH(Report, report);
    QFETCH(QStringList, ticks);
    QFETCH(QString, shown);
    ReportFixture fx;
    fx.addEmployee(u"Zo\u00eb <O'Brien>"_s, u"1"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Zo\u00eb <O'Brien>"_s, u"IN"_s, u"1"_s);
    fx.addError(u"03/14/26"_s, u"08:00:00"_s, u"Failed log-in: Zo\u00eb <O'Brien>"_s);
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = 1;
    std::unique_ptr<ReportDialog> dialog = makeDialog(report, fx, values);
    for (const QString &box : std::as_const(ticks))
        tick(*dialog, box);
    if (auto *names = dialog->findChild<QListWidget *>(u"employeeList"_s))
        names->setCurrentRow(0);
    dialog->show();

    // The viewer shows the page rendered, where runs of blanks collapse.
    for (int run = 0; run < 2; ++run) {
        const std::optional<QString> viewed = viewedAfterRun(*dialog);
        QVERIFY(viewed);
        QVERIFY2(viewed->contains(shown), qPrintable(*viewed));
        QVERIFY(viewed->contains(u"Zo\u00eb <O'Brien>"_s));
        QVERIFY(dialog->isVisible());
    }
    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
}

void TestReportDialogs::noViewer_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("refused") << Report::Daily << QStringList{u"showBreaksBox"_s} << true
                             << u"Error!"_s
                             << u"Please select either log option before continuing"_s;
    QTest::newRow("no results") << Report::ErrorLog << QStringList() << true << u"Results"_s
                                << u"There are no results for the date specified"_s;
    QTest::newRow("unwritable file")
        << Report::NoClock << QStringList{u"noClockInBox"_s} << false << u"Error"_s << QString();
}

void TestReportDialogs::noViewer()
{
    QFETCH(Report, report);
    QFETCH(QStringList, ticks);
    QFETCH(bool, writable);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    ReportFixture fx;
    fx.addEmployee(u"Ann"_s, u"1"_s);
    if (!writable)
        QVERIFY(QDir(fx.home().path()).mkdir(u"report.html"_s));
    if (text.isEmpty())
        fx.prompter.expectError(caption);
    else
        fx.prompter.expectMessage(
            caption, text, caption == u"Results"_s ? PromptIcon::Information : PromptIcon::Error);
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    std::unique_ptr<ReportDialog> dialog = makeDialog(report, fx, values);
    for (const QString &box : std::as_const(ticks))
        tick(*dialog, box);
    dialog->show();

    QVERIFY(!viewedAfterRun(*dialog));
    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    QVERIFY(dialog->isVisible());
}

void TestReportDialogs::enterDoesNothing()
{
    ReportFixture fx;
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    const StartupValues values;
    DailyReportDialog dialog(fx.db(), fx.prompter, fx.clock, values);
    tick(dialog, u"logInBox"_s);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // A viewer opened by mistake is closed again, so the fault fails the test, not hangs it.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);
    for (QWidget *target : {static_cast<QWidget *>(dialog.findChild<DatePicker *>()),
                            static_cast<QWidget *>(dialog.findChild<QPushButton *>())}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }

    QVERIFY(!fx.reportExists());
    QVERIFY(dialog.isVisible());
}

void TestReportDialogs::showBreaksFollowsStartup_data()
{
    QTest::addColumn<QString>("enableBreaks");
    QTest::newRow("breaks on") << u"1"_s;
    QTest::newRow("breaks off") << u"0"_s;
}

void TestReportDialogs::showBreaksFollowsStartup()
{
    QFETCH(QString, enableBreaks);
    ReportFixture fx;
    StartupValues values;
    values.breaks = StationSettings::switchOf(enableBreaks);
    DailyReportDialog dialog(fx.db(), fx.prompter, fx.clock, values);
    QCOMPARE(dialog.findChild<QCheckBox *>(u"showBreaksBox"_s)->isEnabled(),
             enableBreaks == u"1"_s);
}

void TestReportDialogs::individualName()
{
    ReportFixture fx;
    fx.addEmployee(u"bob"_s, u"2"_s);
    fx.addEmployee(u"Sam"_s, u"8"_s);
    fx.addEmployee(u"Ann"_s, u"1"_s);
    fx.addEmployee(u"Sam"_s, u"7"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Sam"_s, u"IN"_s, u"7"_s);
    fx.addClocking(u"03/14/26"_s, u"09:30:00"_s, u"Sam"_s, u"IN"_s, u"8"_s);
    IndividualReportDialog dialog(fx.db(), fx.prompter, fx.clock);
    dialog.loadEmployees();
    auto *names = dialog.findChild<QListWidget *>(u"employeeList"_s);
    auto *name = dialog.findChild<QLineEdit *>(u"employeeName"_s);
    QStringList shownNames;
    for (int row = 0; row < names->count(); ++row)
        shownNames << names->item(row)->text();
    QCOMPARE(shownNames, (QStringList{u"Ann"_s, u"bob"_s, u"Sam (7)"_s, u"Sam (8)"_s}));
    dialog.show();

    names->setCurrentRow(3);
    QCOMPARE(name->text(), u"Sam"_s);
    std::optional<QString> viewed = viewedAfterRun(dialog);
    QVERIFY(viewed && viewed->contains(u"Individual Report for Sam"_s));
    QVERIFY2(viewed->contains(u"09:30:00"_s) && !viewed->contains(u"08:00:00"_s),
             qPrintable(*viewed));

    // Typed, the name stands for whoever clocked under it.
    name->setText(u"Sam"_s);
    names->clearSelection();
    viewed = viewedAfterRun(dialog);
    QVERIFY(viewed && viewed->contains(u"09:30:00"_s) && viewed->contains(u"08:00:00"_s));

    names->setCurrentRow(1);
    QCOMPARE(name->text(), u"bob"_s);
    name->setText(u"Nobody"_s);
    viewed = viewedAfterRun(dialog);
    QVERIFY(viewed && viewed->contains(u"Individual Report for Nobody"_s));
}

QTEST_MAIN(TestReportDialogs)
#include "tst_reportdialogs.moc"
