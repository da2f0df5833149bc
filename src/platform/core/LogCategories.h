#pragma once

#include <QLoggingCategory>

// The kinds of events Chronel writes to its log; QT_LOGGING_RULES can silence each one.
Q_DECLARE_LOGGING_CATEGORY(lcProgram)  // start, stop, the database a program uses
Q_DECLARE_LOGGING_CATEGORY(lcDatabase) // connections lost and made again
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)  // break-request datagrams
Q_DECLARE_LOGGING_CATEGORY(lcMessages) // errors and warnings shown to the user
