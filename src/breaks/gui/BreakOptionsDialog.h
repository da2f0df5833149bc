#pragma once

#include <QDialog>
#include <array>

class BreakOptions;
class Database;
class Prompter;
class QComboBox;
class QLineEdit;

// ":: Setup Break Options ::": the number of breaks a day and their names. The count
// chosen is kept by the caller for the whole run: "Apply!" in a later opening stores it
// even when nothing is chosen there.
class BreakOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    BreakOptionsDialog(BreakOptions &options, const QStringList &names, QString &chosenCount,
                       QWidget *parent = nullptr);

    // Shows the dialog until it is closed. A database error while reading the names is
    // shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter, QString &chosenCount,
                    QWidget *parent = nullptr);

private:
    void choose(const QString &count);
    QStringList typedNames() const;

    BreakOptions &m_options;
    QString &m_chosenCount;
    QComboBox *m_count = nullptr;
    std::array<QLineEdit *, 3> m_names = {};
};
