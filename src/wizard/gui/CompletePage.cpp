#include "wizard/gui/CompletePage.h"

#include "platform/core/ExitCode.h"
#include "wizard/core/WizardSteps.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

const QString CompletePage::contactAddress = u"support@chronel.example"_s;

CompletePage::CompletePage(WizardContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    auto *group = new QGroupBox(tr("Wizard Complete"), this);
    auto *column = new QVBoxLayout(group);
    auto *ready = new QLabel(tr("You are now ready to run Chronel.Employees and login times etc "
                                "can be adjusted via the menu options."),
                             group);
    ready->setWordWrap(true);
    auto *contact =
        new QLabel(tr("For more details or queries email us at : ") + contactAddress, group);
    m_progress = new QProgressBar(group);
    m_progress->setObjectName(u"progress"_s);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setAccessibleName(tr("Progress"));
    column->addWidget(ready);
    column->addWidget(contact);
    column->addWidget(m_progress);

    QPushButton *finish =
        WizardPageFrame::build(this, tr(":: Wizard Complete ::"), group, tr("Finish"));
    finish->setObjectName(u"finishButton"_s);
    connect(finish, &QPushButton::clicked, this, &CompletePage::finish);
}

void CompletePage::finish()
{
    if (m_context.steps.finish([this](int value) { m_progress->setValue(value); }))
        m_context.endProgram(ExitCode::EndedItself);
}
