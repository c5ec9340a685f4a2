#include "Traductions.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <functional>

namespace kalvoro {

namespace {

// Les catalogues du programme sont compilés dans l'exécutable.
QString CatalogueProgramme(const QString &code)
{
    return QStringLiteral(":/i18n/kalvoro_%1.qm").arg(code);
}

void Installer(const std::function<bool(QTranslator &)> &charger)
{
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    if (charger(*traducteur))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}

} // namespace

Langue InstallerTraductions(const QStringList &interfaces)
{
    const Langue langue = LangueDesInterfaces(
        interfaces, [](const QString &code) { return QFile::exists(CatalogueProgramme(code)); });
    ChoisirLangue(langue);
    if (!langue.Francais())
        Installer([&](QTranslator &t) { return t.load(CatalogueProgramme(langue.Code)); });
    Installer([&](QTranslator &t) {
        return t.load(langue.Usages, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return langue;
}

} // namespace kalvoro
