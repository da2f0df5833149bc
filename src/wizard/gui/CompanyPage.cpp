#include "wizard/gui/CompanyPage.h"

#include "platform/gui/FormField.h"
#include "wizard/core/WizardSteps.h"
#include "wizard/gui/SupervisorPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

CompanyPage::CompanyPage(WizardContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    auto *group = new QGroupBox(tr("Please enter your company details below"), this);
    auto *form = new QFormLayout(group);
    m_name = FormField::add(form, tr("Company Name:"), u"companyName"_s);
    m_telephone = FormField::add(form, tr("Telephone Number:"), u"telephone"_s);
    m_address1 = FormField::add(form, tr("Address Line 1:"), u"address1"_s);
    m_address2 = FormField::add(form, tr("Address Line 2:"), u"address2"_s);
    m_address3 = FormField::add(form, tr("Address Line 3:"), u"address3"_s);

    QPushButton *next =
        WizardPageFrame::build(this, tr(":: Company Details ::"), group, tr("Next >>"));
    connect(next, &QPushButton::clicked, this, &CompanyPage::next);
}

void CompanyPage::next()
{
    const CompanyDetails details{m_name->text(), m_telephone->text(), m_address1->text(),
                                 m_address2->text(), m_address3->text()};
    if (!m_context.steps.saveCompany(details))
        return;
    SupervisorPage page(m_context, this);
    page.exec();
}
