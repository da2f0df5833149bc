#pragma once

#include "admin/core/BackupAndRestore.h"

#include <QDialog>

class Clock;
class NameListWidget;
class QPushButton;

// ":: Restore Database ::": the copies of the database, newest first; "Restore!" puts
// the chosen one in place.
class RestoreBackupDialog : public QDialog
{
    Q_OBJECT

public:
    RestoreBackupDialog(BackupAndRestore &backups, Clock &clock, QWidget *parent = nullptr);

    // Returns true when a copy was put in place and the program must end.
    static bool run(Database &db, Prompter &prompter, const DatabaseLocation &location,
                    Clock &clock, QWidget *parent);

private:
    void restore();

    BackupAndRestore &m_backups;
    Clock &m_clock;
    QList<BackupFolder::Copy> m_copies;
    NameListWidget *m_list = nullptr;
    QPushButton *m_restore = nullptr;
};
