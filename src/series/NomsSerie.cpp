#include "NomsSerie.h"

#include <QRegularExpression>

namespace kalvoro {

namespace {

bool Commande(QChar c)
{
    const auto categorie = c.category();
    return categorie == QChar::Other_Control || categorie == QChar::Separator_Line ||
           categorie == QChar::Separator_Paragraph;
}

// Les marques qui renversent le sens d'écriture : un nom « gpj.exe » lu à l'envers tromperait,
// et la fin du nom déborderait sur le texte qui le suit.
bool Renversement(QChar c)
{
    const char16_t code = c.unicode();
    return code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

} // namespace

QString NomNettoye(const QString &texte, int longueur)
{
    // Un texte immense (un fichier retouché) n'est pas parcouru en entier : ce qui dépasse
    // soixante-quatre fois la longueur gardée ne serait que des blancs à resserrer.
    QString nom = texte.left(qsizetype(longueur) * 64);
    nom.removeIf(Renversement);
    for (QChar &c : nom)
        if (Commande(c))
            c = QLatin1Char(' ');
    nom = nom.simplified();
    if (nom.size() <= longueur)
        return nom;
    // Une paire coupée en deux laisserait une moitié de caractère, que l'UTF-8 ne sait pas dire.
    const int coupe = nom.at(longueur - 1).isHighSurrogate() ? longueur - 1 : longueur;
    return nom.left(coupe).trimmed();
}

QCollator OrdreNaturel()
{
    QLocale langue;
    if (langue.language() == QLocale::C)
        langue = QLocale(QLocale::French, QLocale::France);
    QCollator ordre(langue);
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    ordre.setNumericMode(true);
    return ordre;
}

bool NomDeCopie(const QString &nom)
{
    // Le nom proposé d'après le fichier a déjà ses « _ » et « - » en blancs resserrés.
    static const QRegularExpression copie(
        QStringLiteral(R"(^(copie de|copy of)\s|\s\(\d+\)$|\s\(?(copie|copy)\)?(\s\d+)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return copie.match(nom.simplified()).hasMatch();
}

} // namespace kalvoro
