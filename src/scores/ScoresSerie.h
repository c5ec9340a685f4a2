#pragma once
// Les scores des séries du joueur : chacune a son propre fichier chiffré, à côté de ses images,
// et Scores.dat garde exactement ses six tables, dont dépendent les autres copies du programme.
#include "MagasinScores.h"
#include "ModeleScores.h"

#include <QString>
#include <memory>

namespace kalvoro {

// Écrit, à ce chemin qui n'existe pas encore, un fichier de scores aux tables vides de ce
// modèle, chiffré comme Scores.dat : sous un nom provisoire, contrôlé, puis posé d'un coup, sans
// jamais écraser un fichier. Lève ErreurScores ; rien ne reste alors sur le disque.
void CreerFichierScores(const QString &chemin, const ModeleScores &modele);
// Le fichier de scores vide d'une série du joueur, avec une table par taille de plateau.
void CreerScoresSerie(const QString &chemin);
// Ouvre le magasin d'une série du joueur ; lève ErreurScores comme MagasinSqlcipher.
std::unique_ptr<MagasinScores> OuvrirScoresSerie(const QString &chemin);

} // namespace kalvoro
