#include "admin/core/CompanySetup.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/ReportedErrors.h"
#include "store/TextInput.h"

using namespace Qt::StringLiterals;

namespace {

QString detailsText(const CompanyDetails &details)
{
    return QStringList{details.name.trimmed(), details.telephone.trimmed(),
                       details.address1.trimmed(), details.address2.trimmed(),
                       details.address3.trimmed()}
        .join(u"; "_s);
}

} // namespace

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
    return writeReported(m_prompter, m_db, [&] {
        const CompanyDetails before = CompanyRecord::load(m_db);
        CompanyRecord::save(m_db, details);
        AuditTrail::note(m_db, AuditTrail::Kind::CompanyDetails, detailsText(before),
                         detailsText(details));
    });
}
