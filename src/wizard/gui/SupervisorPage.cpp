#include "wizard/gui/SupervisorPage.h"

#include "platform/gui/FormField.h"
#include "wizard/core/WizardSteps.h"
#include "wizard/gui/CompletePage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

SupervisorPage::SupervisorPage(WizardContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    auto *group = new QGroupBox(tr("Enter details"), this);
    auto *form = new QFormLayout(group);
    m_userName = FormField::add(form, tr("Username:"), u"userName"_s);
    m_password = FormField::add(form, tr("Password :"), u"password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_confirmation = FormField::add(form, tr("Confirm Password :"), u"confirmPassword"_s);
    m_confirmation->setEchoMode(QLineEdit::Password);

    QPushButton *next =
        WizardPageFrame::build(this, tr(":: Add a supervisor ::"), group, tr("Next >>"));
    connect(next, &QPushButton::clicked, this, &SupervisorPage::next);
}

void SupervisorPage::next()
{
    if (!m_context.steps.addSupervisor(m_userName->text(), m_password->text(),
                                       m_confirmation->text()))
        return;
    CompletePage page(m_context, this);
    page.exec();
}
