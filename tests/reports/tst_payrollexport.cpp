#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "reports/export/PayrollExport.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QDateTime madeAt(QDate(2026, 3, 16), QTime(7, 30));
const PayrollRequest week{QDate(2026, 3, 9), QDate(2026, 3, 15), {}};

// Ann works nights (one begun the day before the period, one on its last day), one Bob a
// split shift, the other Bob forgets to clock out; overtime counts after 15 hours.
void seed(ReportFixture &fx)
{
    fx.setCompany(u"Acme, \"Best\" Sons"_s);
    fx.addEmployee(u"Bob"_s, u"3"_s);
    fx.addEmployee(u"Ann"_s, u"7"_s);
    fx.addEmployee(u"Bob"_s, u"12"_s);
    fx.db().exec(u"update worksettings set overtimehours = '15'"_s);
    const QStringList clockings = {
        u"03/08/26 22:00:00 Ann IN 7"_s,  u"03/09/26 06:00:00 Ann OUT 7"_s,
        u"03/09/26 22:00:00 Ann IN 7"_s,  u"03/10/26 06:00:00 Ann OUT 7"_s,
        u"03/10/26 08:00:00 Bob IN 12"_s, u"03/10/26 12:00:00 Bob OUT 12"_s,
        u"03/10/26 13:00:00 Bob IN 12"_s, u"03/10/26 17:15:00 Bob OUT 12"_s,
        u"03/11/26 08:00:00 Bob IN 3"_s,  u"03/15/26 22:00:00 Ann IN 7"_s,
        u"03/16/26 06:00:00 Ann OUT 7"_s,
    };
    for (const QString &line : clockings) {
        const QStringList parts = line.split(u' ');
        fx.addClocking(parts[0], parts[1], parts[2], parts[3], parts[4]);
    }
    fx.addBreak(u"03/10/26"_s, u"7"_s, u"02:00:00"_s, u"02:30:00"_s, u"1"_s);
}

QByteArray unzipped(const QString &path, const QString &member)
{
    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-p"_s, path, member});
    if (!unzip.waitForFinished(10000))
        return {};
    return unzip.readAllStandardOutput();
}

// The cells of a worksheet by reference ("A1"), strings looked up.
QHash<QString, QString> cellsOf(const QString &path, const QString &sheet)
{
    QStringList shared;
    QXmlStreamReader strings(unzipped(path, u"xl/sharedStrings.xml"_s));
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == u"t"_s)
            shared << strings.readElementText();
    }
    QHash<QString, QString> cells;
    QXmlStreamReader xml(unzipped(path, sheet));
    QString reference;
    bool isString = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"c"_s) {
            reference = xml.attributes().value(u"r"_s).toString();
            isString = xml.attributes().value(u"t"_s) == u"s"_s;
        } else if (xml.name() == u"v"_s) {
            const QString value = xml.readElementText();
            cells[reference] = isString ? shared.value(value.toInt()) : value;
        }
    }
    return cells;
}

QString pdfText(const QString &path)
{
    QProcess convert;
    convert.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!convert.waitForFinished(10000))
        return {};
    return QString::fromUtf8(convert.readAllStandardOutput());
}

} // namespace

class TestPayrollExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The file a payroll program reads: a night shift cut at midnight or the period's
    // edge, a break left in paid time, two employees of one name merged, a company name
    // with a comma or quote that breaks the columns, decimals written with a comma.
    void csv_data();
    void csv();

    // Figures stored as text a spreadsheet cannot add up, durations without [h]:mm, or
    // a sheet missing.
    void xlsx_data() { TestDatabase::addEngineRows(); }
    void xlsx();

    // Pages without the company and period on them, or a document cut after one page.
    void pdf_data() { TestDatabase::addEngineRows(); }
    void pdf();

    // A database error half-way leaves the file that was there, never part of a new one.
    void failureKeepsFile_data();
    void failureKeepsFile();

    void formatNames();
};

void TestPayrollExport::csv_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray context = ",\"Acme, \"\"Best\"\" Sons\",2026-03-09,2026-03-15,"
                               "2026-03-16 07:30:00\r\n";
    const QByteArray header = "kind,employee,card,date,first_in,last_out,worked,breaks,paid,"
                              "paid_hours,overtime,overtime_hours,incomplete,company,"
                              "period_from,period_to,made\r\n";
    const QByteArray ann = "day,Ann,7,2026-03-09,22:00,06:00,8:00,0:30,7:30,7.50,,,no" + context +
                           "day,Ann,7,2026-03-15,22:00,06:00,8:00,0:00,8:00,8.00,,,no" + context +
                           "week,Ann,7,2026-03-09,,,,,15:30,15.50,0:30,0.50," + context +
                           "total,Ann,7,,,,16:00,0:30,15:30,15.50,0:30,0.50,no" + context;
    const QByteArray bob12 = "day,Bob,12,2026-03-10,08:00,17:15,8:15,0:00,8:15,8.25,,,no" +
                             context + "week,Bob,12,2026-03-09,,,,,8:15,8.25,0:00,0.00," + context +
                             "total,Bob,12,,,,8:15,0:00,8:15,8.25,0:00,0.00,no" + context;
    const QByteArray bob3 = "day,Bob,3,2026-03-11,08:00,,0:00,0:00,0:00,0.00,,,yes" + context +
                            "week,Bob,3,2026-03-09,,,,,0:00,0.00,0:00,0.00," + context +
                            "total,Bob,3,,,,0:00,0:00,0:00,0.00,0:00,0.00,yes" + context;
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray prefix = engine.toLatin1() + ": ";
        QTest::newRow(prefix + "everyone") << engine << QString() << header + ann + bob12 + bob3;
        QTest::newRow(prefix + "one card of a shared name") << engine << u"12"_s << header + bob12;
    }
}

void TestPayrollExport::csv()
{
    CHRONEL_REPORT_FIXTURE(fx);
    QFETCH(QString, card);
    QFETCH(QByteArray, expected);
    seed(fx);
    PayrollRequest request = week;
    request.cardNumber = card;
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QString error;

    QVERIFY2(PayrollExport::write(fx.db(), request, PayrollFormat::Csv, written, &error, madeAt),
             qPrintable(error));

    QCOMPARE(written.data(), expected);
}

void TestPayrollExport::xlsx()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"payroll.xlsx"_s);
    QString error;

    QVERIFY2(PayrollExport::write(fx.db(), week, PayrollFormat::Xlsx, path, &error, madeAt),
             qPrintable(error));

    const QByteArray workbook = unzipped(path, u"xl/workbook.xml"_s);
    QVERIFY(workbook.contains("name=\"Details\""));
    QVERIFY(workbook.contains("name=\"Totals\""));
    QVERIFY(unzipped(path, u"xl/styles.xml"_s).contains("formatCode=\"[h]:mm\""));

    const QHash<QString, QString> details = cellsOf(path, u"xl/worksheets/sheet1.xml"_s);
    QCOMPARE(details.value(u"A1"_s), u"Acme, \"Best\" Sons"_s);
    QCOMPARE(details.value(u"A5"_s), u"Employee"_s);
    QCOMPARE(details.value(u"A6"_s), u"Ann"_s);
    QCOMPARE(details.value(u"B6"_s), u"7"_s);
    const qint64 day = QDate(1899, 12, 30).daysTo(QDate(2026, 3, 9));
    QCOMPARE(details.value(u"C6"_s), QString::number(day));
    QCOMPARE(details.value(u"D6"_s).toDouble(), 22.0 / 24);
    QCOMPARE(details.value(u"F6"_s).toDouble(), 480.0 / 1440);
    QCOMPARE(details.value(u"G6"_s).toDouble(), 30.0 / 1440);
    QCOMPARE(details.value(u"H6"_s).toDouble(), 450.0 / 1440);
    QCOMPARE(details.value(u"I6"_s).toDouble(), 7.5);
    QCOMPARE(details.value(u"A9"_s), u"Bob"_s);
    QCOMPARE(details.value(u"B9"_s), u"3"_s);
    QCOMPARE(details.value(u"J9"_s), u"yes"_s);
    QVERIFY(!details.contains(u"A10"_s));

    const QHash<QString, QString> totals = cellsOf(path, u"xl/worksheets/sheet2.xml"_s);
    QCOMPARE(totals.value(u"A7"_s), u"Ann"_s);
    QCOMPARE(totals.value(u"C7"_s), u"Total"_s);
    QCOMPARE(totals.value(u"D7"_s).toDouble(), 960.0 / 1440);
    QCOMPARE(totals.value(u"F7"_s).toDouble(), 930.0 / 1440);
    QCOMPARE(totals.value(u"G7"_s).toDouble(), 15.5);
    QCOMPARE(totals.value(u"I7"_s).toDouble(), 0.5);
}

void TestPayrollExport::pdf()
{
    CHRONEL_REPORT_FIXTURE(fx);
    seed(fx);
    // Enough people for more than one page.
    for (int i = 100; i < 160; ++i) {
        const QString card = QString::number(i);
        fx.addEmployee(u"Temp "_s + card, card);
        fx.addClocking(u"03/12/26"_s, u"09:00:00"_s, u"Temp "_s + card, u"IN"_s, card);
        fx.addClocking(u"03/12/26"_s, u"13:45:00"_s, u"Temp "_s + card, u"OUT"_s, card);
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(u"payroll.pdf"_s);
    QString error;

    QVERIFY2(PayrollExport::write(fx.db(), week, PayrollFormat::Pdf, path, &error, madeAt),
             qPrintable(error));

    const QStringList pages = pdfText(path).split(u'\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() > 2, qPrintable(QString::number(pages.size())));
    for (const QString &page : pages) {
        QVERIFY(page.contains(u"Acme, \"Best\" Sons"_s));
        QVERIFY(page.contains(u"Payroll from 2026-03-09 to 2026-03-15"_s));
    }
    const QString all = pages.join(u'\n');
    const QString annNight = u"2026-03-09 +22:00 +06:00 +8:00 +0:30 +7:30 +7.50"_s;
    QVERIFY(all.contains(QRegularExpression(annNight)));
    QVERIFY(all.contains(u"Temp 159"_s));
    QVERIFY(all.contains(QRegularExpression(u"2026-03-12 +09:00 +13:45 +4:45"_s)));
}

void TestPayrollExport::failureKeepsFile_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<int>("format");
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        for (PayrollFormat format : {PayrollFormat::Csv, PayrollFormat::Xlsx, PayrollFormat::Pdf})
            QTest::newRow(qPrintable(engine + u": "_s + PayrollExport::name(format)))
                << engine << int(format);
    }
}

void TestPayrollExport::failureKeepsFile()
{
    CHRONEL_REPORT_FIXTURE(fx);
    QFETCH(int, format);
    seed(fx);
    fx.db().exec(u"drop table breaks"_s);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"payroll"_s);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("last month's");
    }
    QString error;

    QVERIFY(!PayrollExport::write(fx.db(), week, PayrollFormat(format), path, &error, madeAt));

    QVERIFY(!error.isEmpty());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("last month's"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"payroll"_s});
}

void TestPayrollExport::formatNames()
{
    QCOMPARE(PayrollExport::formatNamed(u"CSV"_s), PayrollFormat::Csv);
    QCOMPARE(PayrollExport::formatNamed(u"xlsx"_s), PayrollFormat::Xlsx);
    QCOMPARE(PayrollExport::formatNamed(u"pdf"_s), PayrollFormat::Pdf);
    QCOMPARE(PayrollExport::formatNamed(u"html"_s), std::nullopt);
}

QTEST_MAIN(TestPayrollExport)
#include "tst_payrollexport.moc"
