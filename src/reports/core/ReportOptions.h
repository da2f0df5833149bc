#pragma once

#include <QCommandLineOption>
#include <QStringList>

// The options of chronel-report, made in one place so that every report that takes a
// date, a period or an employee spells and explains it alike.
namespace ReportOptions {

// Every report's.
QCommandLineOption database();
QCommandLineOption output();

QCommandLineOption date();
QCommandLineOption month();
QCommandLineOption from();
QCommandLineOption to();
QCommandLineOption card();
QCommandLineOption employee();
// Which lists a page shows: one of `choices`, the first when not given.
QCommandLineOption show(const QStringList &choices);
QCommandLineOption breaks();

} // namespace ReportOptions
