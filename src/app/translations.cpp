#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QtTexteDeutsch::QtTexteDeutsch() {
    geladen_ = uebersetzer_.load(QLocale(QLocale::German, QLocale::Germany),
                                 QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&uebersetzer_);
}

QtTexteDeutsch::~QtTexteDeutsch() {
    if (geladen_) QCoreApplication::removeTranslator(&uebersetzer_);
}
