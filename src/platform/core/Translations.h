#pragma once

class QCoreApplication;

// The user interface in the language of the system locale, when Chronel has it, and Qt's
// own texts (standard buttons) in the same language. Stored texts and report pages are
// never translated.
namespace Translations {
void install(QCoreApplication &app);
}
