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
// A command that names its own place passes a Target as the run's last argument.
namespace ReportFile {

// Where a run writes its page.
struct Target
{
    // Empty: the station's report.html. Otherwise the file a command named, or "-" for
    // standard output; there a page that stopped at its message is not written at all,
    // as a script could not tell it from a finished one.
    QString path;

    bool isStation() const { return path.isEmpty(); }
};

// Both throw DatabaseError when the Chronel home cannot be made.
QString path();
QString picturePath();

// Writes the page. A file that cannot be written, or a database error in the body, is
// shown with caption "Error", gives false and leaves the previous page as it was. A body
// that returns false gives false too, but the part written up to its message replaces
// the previous page, as a finished page would. True when the page is complete and can
// be viewed.
bool write(Prompter &prompter, const std::function<bool(ReportPage &)> &body);
// The same to `target`; the picture is placed beside a file, never for standard output.
bool write(Prompter &prompter, const Target &target, const std::function<bool(ReportPage &)> &body);

} // namespace ReportFile
