#include "updater/gui/UpdaterDialog.h"

#include "platform/core/Version.h"
#include "platform/gui/AboutDialog.h"
#include "platform/gui/DialogButton.h"
#include "updater/core/BreakTableUpdater.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UpdaterDialog::UpdaterDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(tr(":: Chronel Database Updater ::"));

    auto *group = new QGroupBox(tr("Update"), this);
    auto *label = new QLabel(tr("Current possible database changes required:"), group);
    auto *changes = new QLineEdit(tr("Break Database Updates"), group);
    changes->setObjectName(u"changesField"_s);
    changes->setReadOnly(true);
    label->setBuddy(changes);

    m_progress = new QProgressBar(group);
    m_progress->setObjectName(u"progressBar"_s);
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto *process = DialogButton::create(tr("Process!"), u"processButton"_s, group);
    // The one dialog where Enter runs the button.
    process->setDefault(true);
    connect(process, &QPushButton::clicked, this, &UpdaterDialog::process);

    // In place of the system-menu item, which not every window manager offers.
    auto *about = DialogButton::create(tr("&About Updater..."), u"aboutButton"_s, this);
    connect(about, &QPushButton::clicked, this, &UpdaterDialog::showAbout);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(label);
    groupLayout->addWidget(changes);
    groupLayout->addWidget(m_progress);
    groupLayout->addWidget(process, 0, Qt::AlignRight);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void UpdaterDialog::process()
{
    BreakTableUpdater updater(m_prompter, [this](int percent) { m_progress->setValue(percent); });
    updater.updateStationDatabase();
}

void UpdaterDialog::showAbout()
{
    AboutDialog about(tr("About Updater"), tr("Updater Version %1").arg(ChronelVersion::shortText),
                      this);
    about.exec();
}
