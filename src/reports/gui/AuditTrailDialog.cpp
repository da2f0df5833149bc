#include "reports/gui/AuditTrailDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"
#include "reports/gui/ReportViewer.h"
#include "store/AuditTrail.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AuditTrailDialog::AuditTrailDialog(Database &db, Prompter &prompter, const Clock &clock,
                                   QWidget *parent)
    : ReportDialog(tr(":: Audit Trail ::"), parent), m_report(db, prompter)
{
    auto *box = new QGroupBox(tr("Please select a date range and a kind of change:"), this);
    auto *form = new QFormLayout(box);
    m_range = addDateRows(form, box, clock.now().date());
    m_kind = new QComboBox(box);
    m_kind->setObjectName(u"kindBox"_s);
    m_kind->addItem(tr("All changes"), QString());
    for (const QString &kind : AuditTrail::kindNames())
        m_kind->addItem(kind, kind);
    m_kind->setAccessibleName(tr("Kind of change"));
    form->addRow(tr("Kind of change:"), m_kind);

    auto *exportButton = DialogButton::create(tr("Export CSV..."), u"exportButton"_s, this);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (const QString path = ReportViewer::askCsvPath(this); !path.isEmpty())
            m_report.exportCsv(options(), path);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(
        makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); }));

    auto *column = new QVBoxLayout;
    column->addWidget(box);
    column->addLayout(buttons);
    PictureFrame::lay(this, column);
}

void AuditTrailDialog::run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent)
{
    AuditTrailDialog dialog(db, prompter, clock, parent);
    dialog.exec();
}

AuditTrailReport::Options AuditTrailDialog::options() const
{
    return {m_range.start->date(), m_range.end->date(), m_kind->currentData().toString()};
}
