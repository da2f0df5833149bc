#include "reports/gui/ReportViewer.h"

#include "platform/gui/DialogButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReportViewer::ReportViewer(const QString &reportPath, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr(":: Report Results ::"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(u":/chronel/chronel.png"_s)
                           .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    m_print = DialogButton::create(tr("Print Report"), u"printButton"_s, this);
    connect(m_print, &QPushButton::clicked, this, &ReportViewer::print);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"reportBrowser"_s);
    m_browser->setAccessibleName(tr("Report"));
    // Links on a printed report lead nowhere worth leaving it for.
    m_browser->setOpenLinks(false);
    m_browser->setSource(QUrl::fromLocalFile(reportPath), QTextDocument::HtmlResource);

    auto *strip = new QHBoxLayout;
    strip->addWidget(picture);
    strip->addStretch();
    strip->addWidget(m_print);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(m_browser, 1);
    resize(940, 750);
}

void ReportViewer::view(const QString &reportPath, QWidget *parent)
{
    ReportViewer viewer(reportPath, parent);
    viewer.exec();
}

void ReportViewer::printTo(QPrinter &printer) const
{
    m_browser->print(&printer);
}

void ReportViewer::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer);
}
