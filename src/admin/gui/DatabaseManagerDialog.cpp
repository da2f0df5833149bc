#include "admin/gui/DatabaseManagerDialog.h"

#include "platform/gui/DialogButton.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

DatabaseManagerDialog::DatabaseManagerDialog(const DatabaseManager &manager, bool breaksEnabled,
                                             QWidget *parent)
    : QDialog(parent), m_manager(manager)
{
    setWindowTitle(tr(":: Database Management ::"));
    auto *group = new QGroupBox(tr("Please select an option"), this);
    new QVBoxLayout(group);
    addButton(group, tr("Clear Login Information"), u"clearLogInsButton"_s,
              DatabaseManager::Clearing::LogIns);
    addButton(group, tr("Clear Employees"), u"clearEmployeesButton"_s,
              DatabaseManager::Clearing::Employees);
    addButton(group, tr("Clear Error Report"), u"clearErrorLogButton"_s,
              DatabaseManager::Clearing::ErrorLog);
    addButton(group, tr("Clear logged Breaks"), u"clearBreaksButton"_s,
              DatabaseManager::Clearing::Breaks)
        ->setEnabled(breaksEnabled);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void DatabaseManagerDialog::run(const DatabaseManager &manager, bool breaksEnabled, QWidget *parent)
{
    DatabaseManagerDialog dialog(manager, breaksEnabled, parent);
    dialog.exec();
}

QPushButton *DatabaseManagerDialog::addButton(QWidget *group, const QString &text,
                                              const QString &objectName,
                                              DatabaseManager::Clearing clearing)
{
    auto *button = DialogButton::create(text, objectName, group);
    connect(button, &QPushButton::clicked, this, [this, clearing] { m_manager.clear(clearing); });
    group->layout()->addWidget(button);
    return button;
}
