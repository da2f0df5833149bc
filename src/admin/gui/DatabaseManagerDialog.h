#pragma once

#include "admin/core/DatabaseManager.h"

#include <QDialog>

class QPushButton;

// ":: Database Management ::": one button per group of tables to empty.
class DatabaseManagerDialog : public QDialog
{
    Q_OBJECT

public:
    // `breaksEnabled` is the break switch as read at start-up: the recorded breaks can be
    // cleared only while breaks are on for this run.
    DatabaseManagerDialog(const DatabaseManager &manager, bool breaksEnabled,
                          QWidget *parent = nullptr);

    static void run(const DatabaseManager &manager, bool breaksEnabled, QWidget *parent);

private:
    QPushButton *addButton(QWidget *group, const QString &text, const QString &objectName,
                           DatabaseManager::Clearing clearing);

    DatabaseManager m_manager;
};
