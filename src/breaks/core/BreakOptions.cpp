#include "breaks/core/BreakOptions.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/StationSettings.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

const QStringList &BreakOptions::counts()
{
    static const QStringList all = {u"1"_s, u"2"_s, u"3"_s};
    return all;
}

QStringList BreakOptions::names()
{
    return StationSettings::breakNames(m_db);
}

bool BreakOptions::apply(const QString &count, const QStringList &names)
{
    const int breaks = StationSettings::breakCount(count);
    if (refused(breaks, names))
        return false;
    if (!runReported(m_prompter, [&] { store(breaks, names); }))
        return false;

    QString stored;
    if (breaks == 1)
        stored = tr("Break 1 name updated!");
    else if (breaks == 2)
        stored = tr("Break 1 and Break 2 names updated!");
    else
        stored = tr("Break 1,2 and Break 3 names updated!");
    m_prompter.inform(tr("Update!"), stored, PromptIcon::Information);
    m_prompter.inform(tr("Success"), tr("Please restart Chronel for changes to take effect!"),
                      PromptIcon::Information);
    return true;
}

bool BreakOptions::refused(int count, const QStringList &names)
{
    // An empty count would leave the station recording no breaks at all.
    if (count == 0) {
        m_prompter.inform(tr("Error!"), tr("Please select number of breaks!"), PromptIcon::Error);
        return true;
    }
    QList<TextInput::Field> fields;
    for (int i = 0; i < count; ++i) {
        fields.append({tr("break %1 name").arg(i + 1), names.value(i)});
        if (TextInput::problem(names.value(i)) != TextInput::Problem::Empty)
            continue;
        if (count == 1)
            m_prompter.inform(tr("Error!"), tr("Please enter in a name for break 1"),
                              PromptIcon::Error);
        else
            m_prompter.inform(tr("Error"), tr("Please check that names for breaks are not empty!"),
                              PromptIcon::Error);
        return true;
    }
    return TextInput::refused(m_prompter, fields);
}

void BreakOptions::store(int count, const QStringList &names)
{
    QStringList trimmed;
    for (int i = 0; i < count; ++i)
        trimmed << names.value(i).trimmed();
    const auto settingsText = [this] {
        const StationSettings::Values values = StationSettings::load(m_db);
        return u"%1: %2"_s.arg(values.breaksPerDay).arg(values.breakNames.join(u", "_s));
    };
    Transaction transaction(m_db);
    const QString before = settingsText();
    StationSettings::setBreakNames(m_db, trimmed);
    AuditTrail::note(m_db, AuditTrail::Kind::BreakOptions, before, settingsText());
    transaction.commit();
}
