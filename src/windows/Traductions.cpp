#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalvoro {

void InstallerTraductionsQt()
{
    // Le programme parle français quelle que soit la langue de la machine.
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}

} // namespace kalvoro
