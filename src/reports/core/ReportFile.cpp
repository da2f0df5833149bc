#include "reports/core/ReportFile.h"

#include "platform/core/Prompter.h"
#include "reports/core/ReportOutput.h"
#include "reports/core/ReportPage.h"
#include "store/ChronelHome.h"
#include "store/ReportedErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString pictureResource = u":/reports/wi0122-48.gif"_s;
// Where the page's relative path points, from the report's folder.
const QString pictureName = u"chronel/wi0122-48.gif"_s;

// A page without its picture is still a whole page, so a failure here is not reported.
// It goes in the folder the report was written to: finding the home again could throw
// outside the reported run.
void placePicture(const QDir &folder)
{
    const QString target = folder.filePath(pictureName);
    QFile picture(pictureResource);
    if (QFileInfo(target).size() == picture.size())
        return;
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    if (picture.copy(target))
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
}

void reportFileError(Prompter &prompter, const QString &place, const QString &reason)
{
    prompter.inform(QObject::tr("Error"),
                    QObject::tr("The report could not be written to %1: %2").arg(place, reason),
                    PromptIcon::Error);
}

} // namespace

namespace ReportFile {

QString path()
{
    return ChronelHome::filePath(u"report.html"_s);
}

QString picturePath()
{
    return ChronelHome::filePath(pictureName);
}

bool write(Prompter &prompter, const std::function<bool(ReportPage &)> &body)
{
    return write(prompter, Target{}, body);
}

bool write(Prompter &prompter, const Target &target, const std::function<bool(ReportPage &)> &body)
{
    QString place = target.path;
    if (target.isStation() && !runReported(prompter, [&] { place = path(); }))
        return false;

    ReportOutput output(place);
    if (!output.open()) {
        reportFileError(prompter, output.shownName(), output.errorString());
        return false;
    }
    ReportPage page(output.device());
    bool complete = false;
    // A page broken off by an error never replaces the last one.
    if (!runReported(prompter, [&] { complete = body(page); })) {
        output.cancel();
        return false;
    }
    if (!page.ok()) {
        output.cancel();
        reportFileError(prompter, output.shownName(), page.errorString());
        return false;
    }
    if (!complete && !target.isStation()) {
        output.cancel();
        return false;
    }
    if (!output.commit()) {
        reportFileError(prompter, output.shownName(), output.errorString());
        return false;
    }
    if (!output.isStandardOutput())
        placePicture(QDir(output.folder()));
    return complete;
}

} // namespace ReportFile
