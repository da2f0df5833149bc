#include "admin/gui/WorkSettingsGroup.h"

#include "platform/gui/DialogButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

WorkSettingsGroup::WorkSettingsGroup(Database &db, Prompter &prompter, const WorkSettings &stored,
                                     QWidget *parent)
    : QGroupBox(tr("Pay and Shifts"), parent), m_options(db, prompter)
{
    auto *form = new QFormLayout(this);
    // Toggled, not clicked: a screen reader's toggle action changes a box without a click.
    m_unpaidBreaks = addSwitch(tr("Breaks are unpaid"), u"unpaidBreaksBox"_s);
    connect(m_unpaidBreaks, &QCheckBox::toggled, this,
            [this](bool on) { showSettings(m_options.setUnpaidBreaks(m_shown, on)); });

    m_rounding = new QComboBox(this);
    m_rounding->setObjectName(u"roundingChoice"_s);
    m_rounding->setAccessibleName(tr("Round each clocking to"));
    m_rounding->addItem(tr("No rounding"), 0);
    for (int minutes : {5, 10, 15})
        m_rounding->addItem(tr("The nearest %1 minutes").arg(minutes), minutes);
    form->addRow(tr("Round each clocking to:"), m_rounding);
    connect(m_rounding, &QComboBox::currentIndexChanged, this, [this] {
        showSettings(m_options.setRounding(m_shown, m_rounding->currentData().toInt()));
    });

    auto *overtime = new QLineEdit(this);
    overtime->setObjectName(u"overtimeHours"_s);
    overtime->setAccessibleName(tr("Weekly overtime after hours"));
    overtime->setMaxLength(6);
    auto *update = DialogButton::create(tr("Update!"), u"overtimeHoursButton"_s, this);
    update->setFlat(true);
    auto *row = new QHBoxLayout;
    row->addWidget(overtime, 1);
    row->addWidget(update);
    form->addRow(tr("Weekly overtime after hours:"), row);
    m_overtimeCurrent = new QLineEdit(this);
    m_overtimeCurrent->setObjectName(u"overtimeHoursCurrent"_s);
    m_overtimeCurrent->setReadOnly(true);
    m_overtimeCurrent->setAccessibleName(tr("Current weekly overtime hours"));
    form->addRow(tr("Current:"), m_overtimeCurrent);
    connect(update, &QPushButton::clicked, this, [this, overtime] {
        const WorkSettings after = m_options.updateOvertimeHours(m_shown, overtime->text());
        if (after != m_shown)
            overtime->clear();
        showSettings(after);
    });

    m_crossMidnight = addSwitch(tr("Shifts may cross midnight"), u"crossMidnightBox"_s);
    connect(m_crossMidnight, &QCheckBox::toggled, this,
            [this](bool on) { showSettings(m_options.setCrossMidnight(m_shown, on)); });
    m_severalClockIns = addSwitch(tr("Several clock-ins a day"), u"severalClockInsBox"_s);
    connect(m_severalClockIns, &QCheckBox::toggled, this,
            [this](bool on) { showSettings(m_options.setSeveralClockIns(m_shown, on)); });

    showSettings(stored);
}

QCheckBox *WorkSettingsGroup::addSwitch(const QString &text, const QString &objectName)
{
    auto *box = new QCheckBox(text, this);
    box->setObjectName(objectName);
    static_cast<QFormLayout *>(layout())->addRow(box);
    return box;
}

void WorkSettingsGroup::showSettings(const WorkSettings &settings)
{
    m_shown = settings;
    // Showing a state writes nothing.
    const QSignalBlocker quietRounding(m_rounding);
    m_rounding->setCurrentIndex(m_rounding->findData(settings.roundingMinutes));
    for (const auto &[box, on] : {std::pair{m_unpaidBreaks, settings.unpaidBreaks},
                                  std::pair{m_crossMidnight, settings.crossMidnight},
                                  std::pair{m_severalClockIns, settings.severalClockIns}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
    m_overtimeCurrent->setText(WorkOptions::hoursText(settings.overtimeMinutes));
}
