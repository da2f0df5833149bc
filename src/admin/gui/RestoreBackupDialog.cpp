#include "admin/gui/RestoreBackupDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/NameListWidget.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RestoreBackupDialog::RestoreBackupDialog(BackupAndRestore &backups, Clock &clock, QWidget *parent)
    : QDialog(parent), m_backups(backups), m_clock(clock), m_copies(backups.copies())
{
    setWindowTitle(tr(":: Restore Database ::"));
    const QString folder = QDir::toNativeSeparators(m_backups.folder());
    auto *label = new QLabel(m_copies.isEmpty()
                                 ? tr("There is no copy of the database in %1 yet.").arg(folder)
                                 : tr("Copies of the database in %1:").arg(folder),
                             this);
    label->setWordWrap(true);
    m_list = new NameListWidget(tr("Copies of the database"), this);
    m_list->setObjectName(u"copyList"_s);
    QStringList days;
    for (const BackupFolder::Copy &copy : std::as_const(m_copies))
        days << Clock::dateText(copy.day);
    m_list->setNames(days);
    label->setBuddy(m_list);

    m_restore = DialogButton::create(tr("Restore!"), u"restoreButton"_s, this);
    m_restore->setFlat(true);
    m_restore->setEnabled(false);
    connect(m_list, &NameListWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(m_list->chosenIndex() >= 0); });
    connect(m_restore, &QPushButton::clicked, this, &RestoreBackupDialog::restore);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restore);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
}

bool RestoreBackupDialog::run(Database &db, Prompter &prompter, const DatabaseLocation &location,
                              Clock &clock, QWidget *parent)
{
    BackupAndRestore backups(db, prompter, location);
    if (!backups.available())
        return false;
    RestoreBackupDialog dialog(backups, clock, parent);
    return dialog.exec() == QDialog::Accepted;
}

void RestoreBackupDialog::restore()
{
    const int chosen = m_list->chosenIndex();
    if (chosen >= 0 && m_backups.restore(m_copies.at(chosen), m_clock.now()))
        accept();
}
