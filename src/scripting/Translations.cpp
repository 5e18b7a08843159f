#include "scripting/Translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installTranslations(QCoreApplication& application)
{
    auto* const own = new QTranslator(&application);
    if (!own->load(QLocale(), QStringLiteral("skyloom"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    application.installTranslator(own);
    auto* const qt = new QTranslator(&application);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qt);
    else
        delete qt;
    return true;
}
