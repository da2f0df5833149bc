#pragma once

#include <QString>
#include <functional>

class QDialog;
class QPushButton;
class QWidget;
class WizardSteps;

// What every page needs: the steps to run and the way to end the program.
struct WizardContext
{
    WizardSteps &steps;
    std::function<void(int)> endProgram;
};

namespace WizardPageFrame {

// Lays out a page: the picture at the left, `content` beside it and the page's button
// below. Returns the button.
QPushButton *build(QDialog *page, const QString &title, QWidget *content,
                   const QString &buttonText);

} // namespace WizardPageFrame
