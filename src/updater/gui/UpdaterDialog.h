#pragma once

#include <QDialog>

class Prompter;
class QProgressBar;

// ":: Chronel Database Updater ::": one button brings the station's database up to the
// level the break functions need; the bar shows how far a run has come.
class UpdaterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UpdaterDialog(Prompter &prompter, QWidget *parent = nullptr);

private:
    void process();
    void showAbout();

    Prompter &m_prompter;
    QProgressBar *m_progress = nullptr;
};
