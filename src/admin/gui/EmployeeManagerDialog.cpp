#include "admin/gui/EmployeeManagerDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"
#include "store/ReportedErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

EmployeeManagerDialog::EmployeeManagerDialog(Database &db, Prompter &prompter,
                                             std::optional<EmployeeManager::Employee> &chosen,
                                             QWidget *parent)
    : QDialog(parent), m_manager(db, prompter, chosen), m_prompter(prompter)
{
    setWindowTitle(tr(":: Employee Manager ::"));

    auto *group = new QGroupBox(tr("Please select an employee to edit/delete/update"), this);
    m_employees = new NameListWidget(tr("Employees"), group);
    m_employees->setObjectName(u"employeeList"_s);
    connect(m_employees, &NameListWidget::nameChosen, this, &EmployeeManagerDialog::showChosen);

    PictureFrame::lay(group, m_employees)->addWidget(buildDetailsGroup(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void EmployeeManagerDialog::run(Database &db, Prompter &prompter,
                                std::optional<EmployeeManager::Employee> &chosen, QWidget *parent)
{
    EmployeeManagerDialog dialog(db, prompter, chosen, parent);
    if (runReported(prompter, [&] { dialog.loadEmployees(); }))
        dialog.exec();
}

void EmployeeManagerDialog::loadEmployees()
{
    m_employees->setNames(m_manager.employeeNames());
}

QWidget *EmployeeManagerDialog::buildDetailsGroup()
{
    auto *group = new QGroupBox(tr("Employee Details"), this);
    auto *form = new QFormLayout(group);
    m_name = FormField::add(form, tr("Employee Name:"), u"nameField"_s);
    m_cardNumber = FormField::add(form, tr("Clock in number:"), u"cardNumberField"_s);

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const QString &text, const QString &objectName, auto operation) {
        auto *button = DialogButton::create(text, objectName, group);
        connect(button, &QPushButton::clicked, this,
                [this, operation] { finish((m_manager.*operation)(typed())); });
        buttons->addWidget(button);
    };
    addButton(tr("Add!"), u"addButton"_s, &EmployeeManager::add);
    addButton(tr("Update!"), u"updateButton"_s, &EmployeeManager::update);
    addButton(tr("Delete!"), u"deleteButton"_s, &EmployeeManager::remove);
    form->addRow(buttons);
    return group;
}

EmployeeManager::Employee EmployeeManagerDialog::typed() const
{
    return {m_name->text(), m_cardNumber->text()};
}

void EmployeeManagerDialog::showChosen()
{
    const QList<QListWidgetItem *> selected = m_employees->selectedItems();
    if (selected.isEmpty())
        return;
    // Equal names are listed once per employee; count which of them this entry is.
    const QString name = selected.first()->text();
    const int row = m_employees->row(selected.first());
    int occurrence = 0;
    for (int i = 0; i < row; ++i) {
        if (m_employees->item(i)->text() == name)
            ++occurrence;
    }
    const EmployeeManager::Outcome outcome = m_manager.choose(name, occurrence);
    if (outcome == EmployeeManager::Outcome::Done) {
        m_name->setText(m_manager.chosen()->name);
        m_cardNumber->setText(m_manager.chosen()->cardNumber);
    } else if (outcome == EmployeeManager::Outcome::EmployeeGone) {
        m_name->clear();
        m_cardNumber->clear();
        // Not while the list is still reporting the selection that is being refilled.
        QTimer::singleShot(0, this, [this] { finish(EmployeeManager::Outcome::EmployeeGone); });
    }
}

void EmployeeManagerDialog::finish(EmployeeManager::Outcome outcome)
{
    if (outcome != EmployeeManager::Outcome::Done &&
        outcome != EmployeeManager::Outcome::EmployeeGone)
        return;
    if (outcome == EmployeeManager::Outcome::Done) {
        m_name->clear();
        m_cardNumber->clear();
    }
    runReported(m_prompter, [this] { loadEmployees(); });
}
