#pragma once
// Les textes du joueur (nom d'une série, nom d'une image) tels qu'on les garde : ils vont dans
// la description de la série et sont lus par le lecteur d'écran, jamais dans un nom de fichier.
#include <QString>

namespace kalvoro {

inline constexpr int LongueurNomSerie = 40;
inline constexpr int LongueurNomImage = 80;

// Les caractères de commande et les fins de ligne deviennent des blancs, les blancs sont
// resserrés, et le texte est coupé à `longueur` caractères sans couper une paire UTF-16.
QString NomNettoye(const QString &texte, int longueur);

} // namespace kalvoro
