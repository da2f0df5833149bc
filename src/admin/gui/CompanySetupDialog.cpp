#include "admin/gui/CompanySetupDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CompanySetupDialog::CompanySetupDialog(CompanySetup &setup, const CompanyDetails &details,
                                       QWidget *parent)
    : QDialog(parent), m_setup(setup)
{
    setWindowTitle(tr(":: Your Company Details ::"));
    auto *group = new QGroupBox(tr("Please enter in your information below:"), this);
    auto *form = new QFormLayout(group);
    m_fields = {FormField::add(form, tr("Company Name:"), u"companyName"_s),
                FormField::add(form, tr("Telephone Number:"), u"telephone"_s),
                FormField::add(form, tr("Address Line 1:"), u"address1"_s),
                FormField::add(form, tr("Address Line 2:"), u"address2"_s),
                FormField::add(form, tr("Address Line 3:"), u"address3"_s)};
    const QStringList values = {details.name, details.telephone, details.address1, details.address2,
                                details.address3};
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(values[i]);

    auto *update = DialogButton::create(tr("Update Details!"), u"updateButton"_s, group);
    connect(update, &QPushButton::clicked, this, [this] { m_setup.update(typed()); });
    auto *clear = DialogButton::create(tr("Clear!"), u"clearButton"_s, group);
    connect(clear, &QPushButton::clicked, this, [this] {
        for (QLineEdit *field : std::as_const(m_fields))
            field->clear();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(update);
    buttons->addWidget(clear);
    form->addRow(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void CompanySetupDialog::run(Database &db, Prompter &prompter, QWidget *parent)
{
    CompanySetup setup(db, prompter);
    const std::optional<CompanyDetails> details = setup.load();
    if (!details)
        return;
    CompanySetupDialog dialog(setup, *details, parent);
    dialog.exec();
}

CompanyDetails CompanySetupDialog::typed() const
{
    return {m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(), m_fields[3]->text(),
            m_fields[4]->text()};
}
