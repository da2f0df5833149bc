#include "breaks/gui/AuthorizeBreakDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"
#include "store/ReportedErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AuthorizeBreakDialog::AuthorizeBreakDialog(Database &db, Prompter &prompter, const Clock &clock,
                                           RemoteBreakGrant::Choice &choice, QWidget *parent)
    : QDialog(parent), m_logic(db, prompter, clock, choice)
{
    setWindowTitle(tr(":: Break Authorization ::"));
    auto *group = new QGroupBox(tr("Please select employee to authorize"), this);
    m_employees = new NameListWidget(tr("Employee"), group);
    m_employees->setObjectName(u"employeeList"_s);
    connect(m_employees, &NameListWidget::nameChosen, this, &AuthorizeBreakDialog::choose);

    auto *form = new QFormLayout;
    m_name = FormField::add(form, tr("Employee Name:"), u"employeeName"_s);
    m_name->setReadOnly(true);
    m_card = FormField::add(form, tr("Clock in/out number:"), u"cardNumber"_s);
    m_card->setReadOnly(true);

    auto *button = DialogButton::create(tr("Authorize!"), u"authorizeButton"_s, group);
    connect(button, &QPushButton::clicked, this, [this] { m_logic.grant(); });

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_employees, 1);
    groupLayout->addLayout(form);
    groupLayout->addWidget(button, 0, Qt::AlignRight);

    PictureFrame::lay(this, group, PictureFrame::Picture::LogArea);
    // The employee chosen at an earlier opening is still the one a grant goes to.
    showChoice();
}

void AuthorizeBreakDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                               RemoteBreakGrant::Choice &choice, QWidget *parent)
{
    AuthorizeBreakDialog dialog(db, prompter, clock, choice, parent);
    if (runReported(prompter, [&] { dialog.loadEmployees(); }))
        dialog.exec();
}

void AuthorizeBreakDialog::loadEmployees()
{
    m_employees->setNames(m_logic.employeeNames());
}

void AuthorizeBreakDialog::choose(const QString &name)
{
    m_logic.choose(name);
    showChoice();
}

void AuthorizeBreakDialog::showChoice()
{
    m_name->setText(m_logic.choice().name);
    m_card->setText(m_logic.choice().card);
}
