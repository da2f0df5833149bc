#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace DialogButton {

// A push button that Enter never presses: in a dialog only a click or the space bar
// runs it, so a badge reader's Enter or a habit of pressing Enter sets nothing off.
QPushButton *create(const QString &text, const QString &objectName, QWidget *parent);

} // namespace DialogButton
