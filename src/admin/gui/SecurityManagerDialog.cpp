#include "admin/gui/SecurityManagerDialog.h"

#include "admin/gui/CapitalsPasswordField.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"
#include "store/ReportedErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SecurityManagerDialog::SecurityManagerDialog(Database &db, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_manager(db, prompter), m_prompter(prompter)
{
    setWindowTitle(tr(":: Security Settings ::"));

    auto *group = new QGroupBox(tr("Current Security Settings:"), this);
    auto *listGroup = new QGroupBox(tr("Please select a Username to edit:"), group);
    m_users = new NameListWidget(tr("Users"), listGroup);
    m_users->setObjectName(u"userList"_s);
    connect(m_users, &NameListWidget::nameChosen, this, &SecurityManagerDialog::showChosen);
    auto *listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(m_users);

    PictureFrame::lay(group, listGroup)->addWidget(buildOptionsGroup(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void SecurityManagerDialog::run(Database &db, Prompter &prompter, QWidget *parent)
{
    SecurityManagerDialog dialog(db, prompter, parent);
    if (runReported(prompter, [&] { dialog.loadUsers(); }))
        dialog.exec();
}

void SecurityManagerDialog::loadUsers()
{
    m_users->setNames(m_manager.userNames());
}

QWidget *SecurityManagerDialog::buildOptionsGroup()
{
    auto *group = new QGroupBox(tr("Username options:"), this);
    auto *form = new QFormLayout(group);
    m_userName = FormField::add(form, tr("Username"), u"userNameField"_s);
    const auto addPassword = [&](const QString &label, const QString &objectName) {
        auto *field = new CapitalsPasswordField(group);
        field->setObjectName(objectName);
        field->setAccessibleName(label);
        form->addRow(label, field);
        return field;
    };
    m_password = addPassword(tr("Password:"), u"passwordField"_s);
    m_confirmation = addPassword(tr("Confirm Password:"), u"confirmationField"_s);

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const QString &text, const QString &objectName, auto operation) {
        auto *button = DialogButton::create(text, objectName, group);
        connect(button, &QPushButton::clicked, this, [this, operation] { finish(operation()); });
        buttons->addWidget(button);
    };
    addButton(tr("Add New!"), u"addButton"_s, [this] { return m_manager.add(typed()); });
    addButton(tr("Update!"), u"updateButton"_s,
              [this] { return m_manager.update(m_users->chosenName(), typed()); });
    addButton(tr("Delete!"), u"deleteButton"_s,
              [this] { return m_manager.remove(m_userName->text()); });
    form->addRow(buttons);
    return group;
}

SecurityManager::Account SecurityManagerDialog::typed() const
{
    return {m_userName->text(), m_password->text(), m_confirmation->text()};
}

void SecurityManagerDialog::showChosen(const QString &userName)
{
    // A stored hash cannot be shown: a change needs the password typed anew.
    m_userName->setText(userName);
    m_password->clear();
    m_confirmation->clear();
}

void SecurityManagerDialog::finish(SecurityManager::Outcome outcome)
{
    if (outcome != SecurityManager::Outcome::Done && outcome != SecurityManager::Outcome::UserGone)
        return;
    if (outcome == SecurityManager::Outcome::Done) {
        m_userName->clear();
        m_password->clear();
        m_confirmation->clear();
    }
    runReported(m_prompter, [this] { loadUsers(); });
}
