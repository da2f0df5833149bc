#include "admin/core/CompanySetup.h"

#include "platform/core/Prompter.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"

std::optional<CompanyDetails> CompanySetup::load()
{
    std::optional<CompanyDetails> details;
    runReported(m_prompter, [&] { details = CompanyRecord::load(m_db); });
    return details;
}

bool CompanySetup::update(const CompanyDetails &details)
{
    if (!details.complete()) {
        m_prompter.inform(tr("Error!"), tr("Please check the information you entered."),
                          PromptIcon::Error);
        return false;
    }
    if (TextInput::refused(m_prompter, details.fields()))
        return false;
    return runReported(m_prompter, [&] { CompanyRecord::save(m_db, details); });
}
