#include "platform/gui/FormField.h"

#include <QFormLayout>
#include <QLineEdit>

namespace FormField {

QLineEdit *add(QFormLayout *form, const QString &label, const QString &objectName)
{
    auto *field = new QLineEdit(form->parentWidget());
    field->setObjectName(objectName);
    field->setAccessibleName(label);
    form->addRow(label, field);
    return field;
}

} // namespace FormField
