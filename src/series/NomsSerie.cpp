#include "NomsSerie.h"

namespace kalvoro {

namespace {

bool Commande(QChar c)
{
    const auto categorie = c.category();
    return categorie == QChar::Other_Control || categorie == QChar::Separator_Line ||
           categorie == QChar::Separator_Paragraph;
}

} // namespace

QString NomNettoye(const QString &texte, int longueur)
{
    QString nom = texte;
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

} // namespace kalvoro
