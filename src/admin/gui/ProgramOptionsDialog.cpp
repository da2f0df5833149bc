#include "admin/gui/ProgramOptionsDialog.h"

#include "admin/gui/WorkSettingsGroup.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"
#include "platform/gui/TimeField.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct TimeSetting
{
    QString label;
    QString name; // object name of the field; its button and current time add a suffix
    QString spoken;
};

TimeSetting setting(ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return {QObject::tr("Early time Cut Off:"), u"earlyCutOff"_s, QObject::tr("Early cut off")};
    case ProgramOptions::Time::LateCutOff:
        return {QObject::tr("Late time Cut Off:"), u"lateCutOff"_s, QObject::tr("Late cut off")};
    case ProgramOptions::Time::AutoLogIn:
        return {QObject::tr("Auto Login :"), u"autoLogIn"_s, QObject::tr("Auto login")};
    case ProgramOptions::Time::AutoLogOut:
        return {QObject::tr("Auto Log off:"), u"autoLogOut"_s, QObject::tr("Auto log off")};
    }
    return {};
}

QString storedTime(const ProgramOptions::Stored &stored, ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return stored.earlyCutOff;
    case ProgramOptions::Time::LateCutOff:
        return stored.lateCutOff;
    case ProgramOptions::Time::AutoLogIn:
        return stored.autoLogIn;
    case ProgramOptions::Time::AutoLogOut:
        return stored.autoLogOut;
    }
    return {};
}

QPushButton *flatButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = DialogButton::create(text, objectName, parent);
    button->setFlat(true);
    return button;
}

} // namespace

ProgramOptionsDialog::ProgramOptionsDialog(Database &db, Prompter &prompter,
                                           const ProgramOptions::Stored &stored, QWidget *parent)
    : QDialog(parent), m_options(db, prompter), m_prompter(prompter)
{
    setWindowTitle(tr(":: Program Options ::"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildAddressGroup(stored));
    layout->addWidget(buildTimeGroup(tr("Cut Off time for Early/Late Leavers"), stored,
                                     ProgramOptions::Time::EarlyCutOff,
                                     ProgramOptions::Time::LateCutOff,
                                     tr("If breaks are enabled,they will be reset at the above "
                                        "times")));
    layout->addWidget(buildTimeGroup(tr("Automatic Login and Logout Settings"), stored,
                                     ProgramOptions::Time::AutoLogIn,
                                     ProgramOptions::Time::AutoLogOut, {}));
    layout->addWidget(buildSwitchGroup());
    layout->addWidget(buildSupervisorGroup(stored.supervisorIdleMinutes));
    layout->addWidget(new WorkSettingsGroup(db, prompter, stored.work, this));
    showSwitches(stored.switches);
}

void ProgramOptionsDialog::run(Database &db, Prompter &prompter, QWidget *parent)
{
    ProgramOptions options(db, prompter);
    const std::optional<ProgramOptions::Stored> stored = options.load();
    if (!stored)
        return;
    ProgramOptionsDialog dialog(db, prompter, *stored, parent);
    dialog.exec();
}

QWidget *ProgramOptionsDialog::buildAddressGroup(const ProgramOptions::Stored &stored)
{
    auto *group = new QGroupBox(tr("IP Settings"), this);
    auto *form = new QFormLayout;
    m_address = new QLineEdit(group);
    m_address->setObjectName(u"managerAddress"_s);
    m_address->setAccessibleName(tr("IP Address of Manager"));
    m_address->setMaxLength(253);
    form->addRow(tr("IP Address of Manager"), m_address);
    m_currentAddress = new QLineEdit(stored.managerAddress, group);
    m_currentAddress->setObjectName(u"currentAddress"_s);
    m_currentAddress->setAccessibleName(tr("Current Ip Address"));
    m_currentAddress->setEnabled(false);
    form->addRow(tr("Current Ip Address"), m_currentAddress);

    auto *update = flatButton(tr("Update!"), u"updateAddressButton"_s, group);
    connect(update, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> stored =
                m_options.updateManagerAddress(m_address->text())) {
            m_currentAddress->setText(*stored);
            m_address->clear();
        }
    });
    auto *clear = flatButton(tr("Clear!"), u"clearAddressButton"_s, group);
    connect(clear, &QPushButton::clicked, m_address, &QLineEdit::clear);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(update);
    buttons->addWidget(clear);
    form->addRow(buttons);
    addSendersRow(group, form, stored.breakRequestSenders);

    PictureFrame::lay(group, form);
    return group;
}

void ProgramOptionsDialog::addSendersRow(QWidget *group, QFormLayout *form, const QString &current)
{
    m_senders = new QLineEdit(current, group);
    m_senders->setObjectName(u"breakRequestSenders"_s);
    m_senders->setAccessibleName(tr("Show break requests from"));
    m_senders->setPlaceholderText(tr("Any computer"));
    m_senders->setMaxLength(1000);
    auto *update = flatButton(tr("Update!"), u"updateSendersButton"_s, group);
    connect(update, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> stored =
                m_options.updateBreakRequestSenders(m_senders->text()))
            m_senders->setText(*stored);
    });
    auto *row = new QHBoxLayout;
    row->addWidget(m_senders, 1);
    row->addWidget(update);
    form->addRow(tr("Show break requests from"), row);
}

QWidget *ProgramOptionsDialog::buildTimeGroup(const QString &title,
                                              const ProgramOptions::Stored &stored,
                                              ProgramOptions::Time first,
                                              ProgramOptions::Time second, const QString &note)
{
    auto *group = new QGroupBox(title, this);
    auto *grid = new QGridLayout(group);
    addTimeRow(grid, first, storedTime(stored, first));
    addTimeRow(grid, second, storedTime(stored, second));
    if (!note.isEmpty())
        grid->addWidget(new QLabel(note, group), grid->rowCount(), 0, 1, -1);
    grid->setColumnStretch(4, 1);
    return group;
}

void ProgramOptionsDialog::addTimeRow(QGridLayout *grid, ProgramOptions::Time time,
                                      const QString &current)
{
    QWidget *group = grid->parentWidget();
    const TimeSetting what = setting(time);
    auto *field = new TimeField(what.spoken, m_prompter, group);
    field->setObjectName(what.name);
    auto *label = new QLabel(what.label, group);
    label->setBuddy(field->hourEdit());
    auto *update = flatButton(tr("Update!"), what.name + u"Button"_s, group);
    auto *shown = new QLineEdit(current, group);
    shown->setObjectName(what.name + u"Current"_s);
    shown->setReadOnly(true);
    shown->setAccessibleName(tr("%1 current time").arg(what.spoken));
    auto *currentLabel = new QLabel(tr("Current time:"), group);
    currentLabel->setBuddy(shown);

    connect(update, &QPushButton::clicked, this, [this, time, field, shown] {
        if (const std::optional<QString> stored = m_options.updateTime(time, field->entry())) {
            shown->setText(*stored);
            field->clear();
        }
    });

    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(update, row, 2);
    grid->addWidget(currentLabel, row, 3);
    grid->addWidget(shown, row, 4);
}

QWidget *ProgramOptionsDialog::buildSwitchGroup()
{
    auto *group = new QGroupBox(tr("Miscellaneous Options:"), this);
    new QVBoxLayout(group);
    // Toggled, not clicked: a screen reader's toggle action changes the box without a click.
    m_confirmation = addSwitch(group, tr("Clock in/out confirmation"), u"confirmationBox"_s);
    connect(m_confirmation, &QCheckBox::toggled, this,
            [this](bool on) { showSwitches(m_options.setConfirmation(m_switches, on)); });
    m_breaks = addSwitch(group, tr("Enable breaks"), u"breaksBox"_s);
    connect(m_breaks, &QCheckBox::toggled, this,
            [this](bool on) { showSwitches(m_options.setBreaks(m_switches, on)); });
    m_authorisation = addSwitch(group, tr("Break authorization"), u"authorisationBox"_s);
    connect(m_authorisation, &QCheckBox::toggled, this,
            [this](bool on) { showSwitches(m_options.setAuthorisation(m_switches, on)); });
    m_kiosk =
        addSwitch(group, tr("Kiosk mode (full screen; only a supervisor can exit)"), u"kioskBox"_s);
    connect(m_kiosk, &QCheckBox::toggled, this,
            [this](bool on) { showSwitches(m_options.setKiosk(m_switches, on)); });
    return group;
}

QWidget *ProgramOptionsDialog::buildSupervisorGroup(int idleMinutes)
{
    auto *group = new QGroupBox(tr("Supervisor Log-in"), this);
    auto *form = new QFormLayout(group);
    auto *minutes = new QLineEdit(group);
    minutes->setObjectName(u"idleMinutes"_s);
    minutes->setValidator(new QIntValidator(0, ProgramOptions::maxSupervisorIdleMinutes, minutes));
    minutes->setAccessibleName(tr("Log out after minutes without use"));
    form->addRow(tr("Log out after minutes without use (0 = never):"), minutes);
    auto *current = new QLineEdit(QString::number(idleMinutes), group);
    current->setObjectName(u"idleMinutesCurrent"_s);
    current->setReadOnly(true);
    current->setAccessibleName(tr("Current minutes without use"));
    form->addRow(tr("Current:"), current);
    auto *update = flatButton(tr("Update!"), u"idleMinutesButton"_s, group);
    connect(update, &QPushButton::clicked, this, [this, minutes, current] {
        if (const std::optional<int> stored =
                m_options.updateSupervisorIdleMinutes(minutes->text())) {
            current->setText(QString::number(*stored));
            minutes->clear();
        }
    });
    form->addRow(update);
    return group;
}

QCheckBox *ProgramOptionsDialog::addSwitch(QWidget *group, const QString &text,
                                           const QString &objectName)
{
    auto *box = new QCheckBox(text, group);
    box->setObjectName(objectName);
    group->layout()->addWidget(box);
    return box;
}

void ProgramOptionsDialog::showSwitches(const ProgramOptions::Switches &switches)
{
    m_switches = switches;
    // Showing a state writes nothing.
    for (const auto &[box, on] :
         {std::pair{m_confirmation, switches.confirmation}, std::pair{m_breaks, switches.breaks},
          std::pair{m_authorisation, switches.authorisation}, std::pair{m_kiosk, switches.kiosk}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
}
