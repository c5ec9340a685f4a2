#pragma once
// Les textes du joueur (nom d'une série, nom d'une image) tels qu'on les garde : ils vont dans
// la description de la série et sont lus par le lecteur d'écran, jamais dans un nom de fichier.
#include <QCollator>
#include <QString>

namespace kalvoro {

inline constexpr int LongueurNomSerie = 40;
inline constexpr int LongueurNomImage = 80;

// Les caractères de commande et les fins de ligne deviennent des blancs, les marques de sens
// d'écriture partent, les blancs sont resserrés, et le texte est coupé à `longueur` caractères
// sans couper une paire UTF-16.
QString NomNettoye(const QString &texte, int longueur);

// L'ordre des noms que le joueur attend : sans égard à la casse, les nombres par leur valeur
// ("photo 9" avant "photo 10"), selon la langue du système, le français sous la locale C (où
// QCollator ne ferait que comparer les codes des caractères).
QCollator OrdreNaturel();

// Vrai si le nom est celui d'une copie que le système a nommée : « chat (1) », « chat copie »,
// « chat - Copie 2 », « Copie de chat », « chat copy ». De deux images pareilles, la série
// garde le nom de l'original.
bool NomDeCopie(const QString &nom);

} // namespace kalvoro
