#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

namespace kalvoro {

// La langue de l'interface. Le français est le texte source du programme : c'est la langue
// d'origine, et celle de toute langue qui n'a pas de catalogue ("C" et "POSIX" compris).
struct Langue {
    // "fr", ou le code d'une langue traduite ("en").
    QString Code = QStringLiteral("fr");
    // La langue telle que le système la nomme ("en-GB") : ses dates en suivent les usages.
    QLocale Usages = QLocale(QLocale::French, QLocale::France);

    bool Francais() const { return Code == QLatin1String("fr"); }
};

// Seule la première langue du joueur compte : si elle a un catalogue (aDesTextes rend vrai pour
// son code), c'est elle ; sinon le français. Sous Linux, Qt prend la liste de LANGUAGE
// (séparée par ":") si elle est définie, sinon LC_ALL, LC_MESSAGES puis LANG.
template <typename AvecCatalogue>
Langue LangueDesInterfaces(const QStringList &interfaces, AvecCatalogue aDesTextes)
{
    if (interfaces.isEmpty())
        return {};
    const QString premiere = interfaces.first();
    const QString code = premiere.section(QLatin1Char('-'), 0, 0).section(u'_', 0, 0).toLower();
    if (code == QLatin1String("fr") || !aDesTextes(code))
        return {};
    return {code, QLocale(premiere)};
}

// La langue retenue au démarrage ; le français tant que rien n'est choisi.
const Langue &LangueChoisie();
void ChoisirLangue(const Langue &langue);

} // namespace kalvoro
