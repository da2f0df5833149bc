#include "reports/gui/EarlyLateLeaversDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/PictureFrame.h"
#include "store/ReportedErrors.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

EarlyLateLeaversDialog::EarlyLateLeaversDialog(Database &db, Prompter &prompter, const Clock &clock,
                                               QWidget *parent)
    : ReportDialog(tr(":: Early / Late leavers report ::"), parent), m_report(db, prompter)
{
    auto *range = new QGroupBox(tr("Please select a date range:"), this);
    auto *form = new QFormLayout(range);
    m_dates = addDateRows(form, range, clock.now().date());

    auto *kinds = new QGroupBox(tr("Please select an option:"), this);
    m_early = new QCheckBox(tr("Early Leavers"), kinds);
    m_early->setObjectName(u"earlyBox"_s);
    m_late = new QCheckBox(tr("Overtime Leavers"), kinds);
    m_late->setObjectName(u"lateBox"_s);
    auto *boxes = new QVBoxLayout(kinds);
    boxes->addWidget(m_early);
    boxes->addWidget(m_late);

    QPushButton *runButton =
        makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); });

    auto *groups = new QVBoxLayout;
    groups->addWidget(range);
    groups->addWidget(kinds);
    groups->addWidget(runButton, 0, Qt::AlignRight);
    PictureFrame::lay(this, groups);
}

void EarlyLateLeaversDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                                 QWidget *parent)
{
    EarlyLateLeaversDialog dialog(db, prompter, clock, parent);
    if (runReported(prompter, [&] { dialog.m_report.loadCutOffs(); }))
        dialog.exec();
}

EarlyLateLeaversReport::Options EarlyLateLeaversDialog::options() const
{
    return {m_dates.start->date(), m_dates.end->date(), m_early->isChecked(), m_late->isChecked()};
}
