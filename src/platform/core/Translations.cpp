#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Translations {

void install(QCoreApplication &app)
{
    const QLocale locale;
    // Parented to the application, so they live exactly as long as it does.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto *own = new QTranslator(&app);
    if (own->load(locale, u"chronel"_s, u"_"_s, u":/i18n"_s))
        QCoreApplication::installTranslator(own);
}

} // namespace Translations
