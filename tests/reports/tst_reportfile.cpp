#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportPage.h"
#include "reports/gui/ReportViewer.h"
#include "store/DatabaseError.h"

#include <QDir>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

namespace {

bool writePage(Prompter &prompter, const QString &value, bool complete = true)
{
    return ReportFile::write(prompter, [&](ReportPage &page) {
        page.open(u"::t::"_s, u"h"_s);
        page.sectionHeading(u"S"_s);
        page.row({value});
        return complete;
    });
}

QTextBrowser *browserOf(ReportViewer &viewer)
{
    return viewer.findChild<QTextBrowser *>(u"reportBrowser"_s);
}

} // namespace

class TestReportFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A new page replaces the old one whole, also when the run stops at its message;
    // only a complete page is to be viewed.
    void pageReplacesPrevious_data();
    void pageReplacesPrevious();
    // A report file that cannot be written is reported and never offered for viewing.
    void unwritableFileIsReported();
    // A database error in the run is shown with the driver's text; no viewer, and the
    // previous page stays whole instead of giving way to an empty or broken one.
    void databaseErrorKeepsPrevious_data();
    void databaseErrorKeepsPrevious();
    // The frame's picture is placed where the page's relative path points.
    void pictureIsPlaced();
    // The viewer shows the file as it lies on disk, picture and non-ASCII letters included.
    void viewerLoadsFile();
    // Printing the page into a PDF file gives a PDF with content.
    void printsToPdf();
    // "Print Report" asks through the print dialog; cancelling prints nothing.
    void printButtonAsks();
};

void TestReportFile::pageReplacesPrevious_data()
{
    QTest::addColumn<bool>("complete");
    QTest::newRow("complete page") << true;
    QTest::newRow("stopped at a message") << false;
}

void TestReportFile::pageReplacesPrevious()
{
    QFETCH(bool, complete);
    TestHome home;
    ScriptedPrompter prompter;
    QVERIFY(writePage(prompter, u"first page, longer than the second"_s));

    QCOMPARE(writePage(prompter, u"second"_s, complete), complete);

    QCOMPARE(home.read(u"report.html"_s),
             "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>::t::</title>\r\n</head>"
             "\r\n<body>\r\n<div align = center><strong><h2>h</h2></strong></div>\r\n<p "
             "align=center><img src=chronel/wi0122-48.gif width=48 height=48></p>"
             "\r\n<p><strong>:: S ::</strong></p>\r\n<tr>\r\n<td>second</td>\r\n</tr>");
    QVERIFY(prompter.scriptDone());
}

void TestReportFile::unwritableFileIsReported()
{
    TestHome home;
    home.write(u"report.html"_s, "old page");
    // A folder of the file's name cannot be written as the file, whoever runs the test.
    QVERIFY(QFile::remove(home.file(u"report.html"_s)));
    QVERIFY(QDir(home.path()).mkdir(u"report.html"_s));
    ScriptedPrompter prompter;
    prompter.expectError(u"Error"_s);

    const bool view = ReportFile::write(prompter, [&](ReportPage &page) {
        page.open(u"t"_s, u"h"_s);
        return true;
    });

    QVERIFY(!view);
    QVERIFY(prompter.scriptDone());
    QCOMPARE(prompter.seen().first().icon, PromptIcon::Error);
    QVERIFY(prompter.seen().first().text.contains(u"report.html"_s));
    QVERIFY(QFileInfo(home.file(u"report.html"_s)).isDir());
}

void TestReportFile::databaseErrorKeepsPrevious_data()
{
    QTest::addColumn<bool>("halfway");
    QTest::newRow("before the first write") << false;
    QTest::newRow("halfway") << true;
}

void TestReportFile::databaseErrorKeepsPrevious()
{
    QFETCH(bool, halfway);
    TestHome home;
    home.write(u"report.html"_s, "previous page");
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error"_s, u"no such table: company"_s, PromptIcon::Error);

    const bool view = ReportFile::write(prompter, [&](ReportPage &page) -> bool {
        if (halfway)
            page.open(u"t"_s, u"h"_s);
        throw DatabaseError(u"no such table: company"_s);
    });

    QVERIFY(!view);
    QVERIFY(prompter.scriptDone());
    QCOMPARE(home.read(u"report.html"_s), QByteArray("previous page"));
}

void TestReportFile::pictureIsPlaced()
{
    TestHome home;
    // A damaged picture left behind is replaced.
    QVERIFY(QDir(home.path()).mkdir(u"chronel"_s));
    home.write(u"chronel/wi0122-48.gif"_s, "broken");
    ScriptedPrompter prompter;
    QVERIFY(writePage(prompter, u"x"_s));

    const QImage picture(home.file(u"chronel/wi0122-48.gif"_s), "GIF");
    QCOMPARE(picture.size(), QSize(48, 48));
    QCOMPARE(ReportFile::picturePath(), QDir(home.path()).filePath(u"chronel/wi0122-48.gif"_s));
}

void TestReportFile::viewerLoadsFile()
{
    TestHome home;
    ScriptedPrompter prompter;
    QVERIFY(writePage(prompter, u"Zoë & <Ångström>"_s));

    ReportViewer viewer(ReportFile::path());
    QCOMPARE(viewer.windowTitle(), u":: Report Results ::"_s);
    QTextBrowser *browser = browserOf(viewer);
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains(u"Zoë & <Ångström>"_s));
    const QVariant picture =
        browser->loadResource(QTextDocument::ImageResource, QUrl(u"chronel/wi0122-48.gif"_s));
    QCOMPARE(QImage::fromData(picture.toByteArray()).size(), QSize(48, 48));
}

void TestReportFile::printsToPdf()
{
    TestHome home;
    ScriptedPrompter prompter;
    QVERIFY(writePage(prompter, u"printed"_s));
    ReportViewer viewer(ReportFile::path());
    const QString pdf = home.file(u"report.pdf"_s);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    viewer.printTo(printer);

    const QByteArray written = home.read(u"report.pdf"_s);
    QVERIFY(written.startsWith("%PDF"));
    QVERIFY(written.size() > 500);
}

void TestReportFile::printButtonAsks()
{
    TestHome home;
    ScriptedPrompter prompter;
    QVERIFY(writePage(prompter, u"x"_s));
    ReportViewer viewer(ReportFile::path());
    viewer.show();
    bool asked = false;
    driveDialogOpenedBy([&] { viewer.findChild<QPushButton *>(u"printButton"_s)->click(); },
                        [&](QDialog *dialog) { asked = qobject_cast<QPrintDialog *>(dialog); });

    QVERIFY(asked);
    QVERIFY(viewer.isVisible());
}

QTEST_MAIN(TestReportFile)
#include "tst_reportfile.moc"
