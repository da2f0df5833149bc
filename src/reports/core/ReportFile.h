#pragma once

#include <QString>
#include <functional>

class Prompter;
class ReportPage;

// The report file every report writes: report.html in the Chronel home, with the
// frame's picture placed where the page's relative path points. A report's run calls
//   if (ReportFile::write(prompter, [&](ReportPage &page) { ...; return true; }))
//       ... open the viewer ...
// The body writes the page and returns false when it stopped at a message it showed
// (e.g. no results). The page replaces the previous one only once written whole.
namespace ReportFile {

// Both throw DatabaseError when the Chronel home cannot be made.
QString path();
QString picturePath();

// Writes the page. A file that cannot be written, or a database error in the body, is
// shown with caption "Error", gives false and leaves the previous page as it was. A body
// that returns false gives false too, but the part written up to its message replaces
// the previous page, as a finished page would. True when the page is complete and can
// be viewed.
bool write(Prompter &prompter, const std::function<bool(ReportPage &)> &body);

} // namespace ReportFile
