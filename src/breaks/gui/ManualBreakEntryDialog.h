#pragma once

#include "breaks/core/ManualBreakEntry.h"

#include <QDialog>
#include <array>

class DatePicker;
class NameListWidget;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class TimeField;
struct StartupValues;

// ":: Manual Break Input ::": a supervisor picks an employee and, in the block of one of
// the day's breaks, enters its start, its end or both for a date.
class ManualBreakEntryDialog : public QDialog
{
    Q_OBJECT

public:
    ManualBreakEntryDialog(Database &db, Prompter &prompter, const Clock &clock,
                           const StartupValues &values, QWidget *parent = nullptr);

    // Shows the dialog until it is closed. A database error while reading the
    // employees is shown and the dialog is not opened.
    static void run(Database &db, Prompter &prompter, const Clock &clock,
                    const StartupValues &values, QWidget *parent = nullptr);

    // Reads the employee list and opens the blocks of the day's breaks; without any
    // employee every block stays closed. Throws DatabaseError.
    void load();

private:
    struct Block
    {
        int number = 0;
        QLineEdit *name = nullptr;
        DatePicker *date = nullptr;
        QCheckBox *useStart = nullptr;
        TimeField *start = nullptr;
        QCheckBox *useEnd = nullptr;
        TimeField *end = nullptr;
    };

    // What a block's break opens and closes; the name field and "Process!" stay as they are.
    static QList<QWidget *> inputs(const Block &block);
    QWidget *buildBlocks(Prompter &prompter, const Clock &clock);
    Block addBlock(QGridLayout *grid, int number, Prompter &prompter, const Clock &clock);
    void openBlocks();
    void process(const Block &block);
    ManualBreakEntry::Request request(const Block &block) const;

    ManualBreakEntry m_logic;
    Prompter &m_prompter;
    const StartupValues &m_values;
    NameListWidget *m_employees = nullptr;
    std::array<Block, 3> m_blocks;
};
