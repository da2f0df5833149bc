#include "reports/gui/ReportViewer.h"

#include "platform/gui/DialogButton.h"

#include "store/ChronelHome.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReportViewer::ReportViewer(const QString &reportPath, QWidget *parent)
    : QDialog(parent), m_path(reportPath)
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

void ReportViewer::refreshEvery(int ms, std::function<bool()> rewrite)
{
    m_rewrite = std::move(rewrite);
    if (!m_refresh) {
        m_refresh = new QTimer(this);
        m_refresh->setObjectName(u"refreshTimer"_s);
        connect(m_refresh, &QTimer::timeout, this, &ReportViewer::refresh);
    }
    m_refresh->start(ms);
}

void ReportViewer::refresh()
{
    // A message shown by the rewrite must not be joined by the next one behind it.
    m_refresh->stop();
    if (!m_rewrite())
        return;
    const int scrolled = m_browser->verticalScrollBar()->value();
    m_browser->setSource(QUrl::fromLocalFile(m_path), QTextDocument::HtmlResource);
    m_browser->reload();
    m_browser->verticalScrollBar()->setValue(scrolled);
    m_refresh->start();
}

void ReportViewer::offerExport(std::function<void(const QString &path)> exportTo)
{
    auto *button = DialogButton::create(tr("Export CSV..."), u"exportButton"_s, this);
    connect(button, &QPushButton::clicked, this, [this, exportTo = std::move(exportTo)] {
        if (const QString path = askCsvPath(this); !path.isEmpty())
            exportTo(path);
    });
    qobject_cast<QHBoxLayout *>(layout()->itemAt(0)->layout())->insertWidget(2, button);
}

QString ReportViewer::askCsvPath(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, tr("Export CSV"), ChronelHome::folder(),
                                        tr("CSV files (*.csv)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void ReportViewer::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer);
}
