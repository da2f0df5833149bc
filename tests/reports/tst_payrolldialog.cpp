#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "platform/gui/DatePicker.h"
#include "reports/gui/PayrollExportDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestPayrollDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The dialog's choices reaching the export: the period (last month unless changed),
    // the one employee picked among two of one name, the format; a reversed period or a
    // cancelled save writing anything.
    void exports_data();
    void exports();
};

void TestPayrollDialog::exports_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QDate>("from"); // null: as the dialog opens
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("employee");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("message");  // "caption|text"; empty for none
    QTest::addColumn<QStringList>("days"); // "card date" of the day rows written

    const QString saved = u"Payroll Export|The payroll was saved to "_s;
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray prefix = engine.toLatin1() + ": ";
        QTest::newRow(prefix + "last month, everyone")
            << engine << QDate() << QDate() << 0 << int(PayrollFormat::Csv) << false << saved
            << QStringList{u"7 2026-02-27"_s, u"12 2026-02-02"_s, u"3 2026-02-03"_s};
        QTest::newRow(prefix + "one of two of a name")
            << engine << QDate() << QDate() << 2 << int(PayrollFormat::Csv) << false << saved
            << QStringList{u"12 2026-02-02"_s};
        QTest::newRow(prefix + "this month")
            << engine << QDate(2026, 3, 1) << QDate(2026, 3, 31) << 0 << int(PayrollFormat::Csv)
            << false << saved << QStringList{u"7 2026-03-02"_s};
        QTest::newRow(prefix + "spreadsheet")
            << engine << QDate() << QDate() << 0 << int(PayrollFormat::Xlsx) << false << saved
            << QStringList();
        QTest::newRow(prefix + "reversed period")
            << engine << QDate(2026, 3, 2) << QDate(2026, 3, 1) << 0 << int(PayrollFormat::Csv)
            << false << u"Error!|The starting date must not be after the ending date."_s
            << QStringList();
        QTest::newRow(prefix + "save cancelled")
            << engine << QDate() << QDate() << 0 << int(PayrollFormat::Csv) << true << QString()
            << QStringList();
    }
}

void TestPayrollDialog::exports()
{
    CHRONEL_REPORT_FIXTURE(fx);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, employee);
    QFETCH(int, format);
    QFETCH(bool, cancel);
    QFETCH(QString, message);
    QFETCH(QStringList, days);
    fx.addEmployee(u"Bob"_s, u"3"_s);
    fx.addEmployee(u"Ann"_s, u"7"_s);
    fx.addEmployee(u"Bob"_s, u"12"_s);
    fx.addClocking(u"02/02/26"_s, u"08:00:00"_s, u"Bob"_s, u"IN"_s, u"12"_s);
    fx.addClocking(u"02/02/26"_s, u"16:00:00"_s, u"Bob"_s, u"OUT"_s, u"12"_s);
    fx.addClocking(u"02/03/26"_s, u"08:00:00"_s, u"Bob"_s, u"IN"_s, u"3"_s);
    fx.addClocking(u"02/27/26"_s, u"22:00:00"_s, u"Ann"_s, u"IN"_s, u"7"_s);
    fx.addClocking(u"02/28/26"_s, u"06:00:00"_s, u"Ann"_s, u"OUT"_s, u"7"_s);
    fx.addClocking(u"03/02/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s, u"7"_s);
    fx.addClocking(u"03/02/26"_s, u"12:00:00"_s, u"Ann"_s, u"OUT"_s, u"7"_s);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"payroll"_s);
    QString suggested;
    int asked = 0;
    PayrollExportDialog dialog(fx.db(), fx.prompter, fx.clock, nullptr,
                               [&](QWidget *, const QString &name, PayrollFormat) {
                                   ++asked;
                                   suggested = name;
                                   return cancel ? QString() : path;
                               });
    dialog.loadEmployees();
    auto *start = dialog.findChild<DatePicker *>(u"startDate"_s);
    auto *end = dialog.findChild<DatePicker *>(u"endDate"_s);
    QCOMPARE(start->date(), QDate(2026, 2, 1));
    QCOMPARE(end->date(), QDate(2026, 2, 28));
    if (from.isValid()) {
        start->setDate(from);
        end->setDate(to);
    }
    auto *employees = dialog.findChild<QComboBox *>(u"employeeChoice"_s);
    QCOMPARE(employees->count(), 4);
    QVERIFY(!employees->accessibleName().isEmpty());
    employees->setCurrentIndex(employee);
    auto *formats = dialog.findChild<QComboBox *>(u"formatChoice"_s);
    QVERIFY(!formats->accessibleName().isEmpty());
    formats->setCurrentIndex(formats->findData(format));
    if (!message.isEmpty()) {
        const QString text = message.section(u'|', 1);
        fx.prompter.expectMessage(
            message.section(u'|', 0, 0), text.endsWith(u"to "_s) ? text + path : text,
            message.startsWith(u"Error"_s) ? PromptIcon::Error : PromptIcon::Information);
    }

    dialog.findChild<QPushButton *>(u"exportButton"_s)->click();

    QVERIFY2(fx.prompter.scriptDone(), qPrintable(fx.prompter.pending()));
    const bool written = message.startsWith(u"Payroll"_s);
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(asked, message.startsWith(u"Error"_s) ? 0 : 1);
    if (asked)
        QVERIFY2(suggested.endsWith(u"payroll-%1-%2.%3"_s.arg(
                     start->date().toString(Qt::ISODate), end->date().toString(Qt::ISODate),
                     PayrollExport::name(PayrollFormat(format)))),
                 qPrintable(suggested));
    if (!written || format != int(PayrollFormat::Csv))
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList dayRows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> cells = line.split(',');
        if (cells.value(0) == "day")
            dayRows << QString::fromUtf8(cells[2] + ' ' + cells[3]);
    }
    QCOMPARE(dayRows, days);
}

QTEST_MAIN(TestPayrollDialog)
#include "tst_payrolldialog.moc"
