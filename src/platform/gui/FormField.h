#pragma once

#include <QString>

class QFormLayout;
class QLineEdit;

namespace FormField {

// An edit field on a form row, its label naming it for screen readers.
QLineEdit *add(QFormLayout *form, const QString &label, const QString &objectName);

} // namespace FormField
