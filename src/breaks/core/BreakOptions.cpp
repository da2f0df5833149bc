#include "breaks/core/BreakOptions.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

const QStringList &BreakOptions::counts()
{
    static const QStringList all = {u"1"_s, u"2"_s, u"3"_s};
    return all;
}

QStringList BreakOptions::names()
{
    const SqlRow row = m_db.first(u"select break1,break2,break3 from breaksettings"_s);
    return {row[u"break1"_s], row[u"break2"_s], row[u"break3"_s]};
}

bool BreakOptions::apply(const QString &count, const QStringList &names)
{
    const int breaks = StartupValues::breaksPerDay(count);
    if (refused(breaks, names))
        return false;
    if (!runReported(m_prompter, [&] { store(breaks, names); }))
        return false;

    QString stored;
    if (breaks == 1)
        stored = QObject::tr("Break 1 name updated!");
    else if (breaks == 2)
        stored = QObject::tr("Break 1 and Break 2 names updated!");
    else
        stored = QObject::tr("Break 1,2 and Break 3 names updated!");
    m_prompter.inform(QObject::tr("Update!"), stored, PromptIcon::Information);
    m_prompter.inform(QObject::tr("Success"),
                      QObject::tr("Please restart Chronel for changes to take effect!"),
                      PromptIcon::Information);
    return true;
}

bool BreakOptions::refused(int count, const QStringList &names)
{
    // An empty count would leave the station recording no breaks at all.
    if (count == 0) {
        m_prompter.inform(QObject::tr("Error!"), QObject::tr("Please select number of breaks!"),
                          PromptIcon::Error);
        return true;
    }
    QList<TextInput::Field> fields;
    for (int i = 0; i < count; ++i) {
        fields.append({QObject::tr("break %1 name").arg(i + 1), names.value(i)});
        if (TextInput::problem(names.value(i)) != TextInput::Problem::Empty)
            continue;
        if (count == 1)
            m_prompter.inform(QObject::tr("Error!"),
                              QObject::tr("Please enter in a name for break 1"), PromptIcon::Error);
        else
            m_prompter.inform(QObject::tr("Error"),
                              QObject::tr("Please check that names for breaks are not empty!"),
                              PromptIcon::Error);
        return true;
    }
    return TextInput::refused(m_prompter, fields);
}

void BreakOptions::store(int count, const QStringList &names)
{
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < count; ++i) {
        assignments << u"break%1 = ?"_s.arg(i + 1);
        values << names.value(i).trimmed();
    }
    assignments << u"numof = ?"_s;
    values << QString::number(count);
    Transaction transaction(m_db);
    m_db.exec(u"update breaksettings set "_s + assignments.join(u','), values);
    transaction.commit();
}
