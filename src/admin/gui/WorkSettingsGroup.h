#pragma once

#include "admin/core/WorkOptions.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The pay and shift settings of Program Options: unpaid breaks, rounding, the weekly
// overtime threshold and the station's two shift rules, each written as it changes.
class WorkSettingsGroup : public QGroupBox
{
    Q_OBJECT

public:
    WorkSettingsGroup(Database &db, Prompter &prompter, const WorkSettings &stored,
                      QWidget *parent = nullptr);

private:
    QCheckBox *addSwitch(const QString &text, const QString &objectName);
    void showSettings(const WorkSettings &settings);

    WorkOptions m_options;
    WorkSettings m_shown;
    QCheckBox *m_unpaidBreaks = nullptr;
    QComboBox *m_rounding = nullptr;
    QLineEdit *m_overtimeCurrent = nullptr;
    QCheckBox *m_crossMidnight = nullptr;
    QCheckBox *m_severalClockIns = nullptr;
};
