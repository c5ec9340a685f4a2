#pragma once
// La longueur des noms, la même pour les zones du dialogue et pour le magasin.
#include <QString>
#include <QStringList>

namespace kalvoro {

// Les caractères tels que le joueur les voit (grappes de graphèmes) : une lettre et son accent
// combinant, un drapeau ou une famille d'émojis sont un seul caractère.
QStringList Grappes(const QString &texte);
int NombreDeCaracteres(const QString &texte);

// Le texte tel que le magasin l'écrit : composé (NFC), un « e » suivi d'un accent combinant
// devient « é », sans que le joueur voie de différence.
QString FormeEcrite(const QString &texte);

// Vrai si le texte tient dans un champ de `limite` caractères. Les tables de Scores.dat bornent
// aussi NOM et PRENOM en points de code (contrainte CHECK du fichier livré, que le programme ne
// réécrit jamais) : un caractère fait de plusieurs points de code qui ne se composent pas (un
// drapeau en a deux) y prend donc plusieurs places. Les deux bornes valent `limite`.
bool TientDans(const QString &texte, int limite);

} // namespace kalvoro
