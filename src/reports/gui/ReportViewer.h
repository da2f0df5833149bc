#pragma once

#include <QDialog>

class QPrinter;
class QPushButton;
class QTextBrowser;

// ":: Report Results ::": shows the report file as it lies on disk and prints it on
// "Print Report" through the print dialog. A report dialog opens it once the file is
// written whole (see ReportDialog); it reads the file anew each time it opens.
class ReportViewer : public QDialog
{
    Q_OBJECT

public:
    explicit ReportViewer(const QString &reportPath, QWidget *parent = nullptr);

    // Shows the report file until the viewer is closed.
    static void view(const QString &reportPath, QWidget *parent);

    // Prints the page as shown, without asking.
    void printTo(QPrinter &printer) const;

private:
    void print();

    QTextBrowser *m_browser = nullptr;
    QPushButton *m_print = nullptr;
};
