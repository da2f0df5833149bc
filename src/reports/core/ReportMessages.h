#pragma once

class Prompter;
class QString;

// The messages the report runs share.
namespace ReportMessages {

// A failed check before anything is written: caption "Error!", error icon.
void refuse(Prompter &prompter, const QString &text);
// "There are no results for the date specified".
void noResultsForDate(Prompter &prompter);
// "There are no results for the period specified".
void noResultsForPeriod(Prompter &prompter);

} // namespace ReportMessages
