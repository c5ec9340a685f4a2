#pragma once
// Les scores des séries du joueur : chacune a son propre fichier chiffré, à côté de ses images,
// et Scores.dat garde exactement ses six tables, dont dépendent les autres copies du programme.
#include "MagasinScores.h"

#include <QString>
#include <memory>

namespace kalvoro {

// Écrit, à ce chemin qui n'existe pas encore, le fichier de scores vide d'une série du joueur,
// chiffré comme Scores.dat. Lève ErreurScores.
void CreerScoresSerie(const QString &chemin);
// Ouvre le magasin d'une série du joueur ; lève ErreurScores comme MagasinSqlcipher.
std::unique_ptr<MagasinScores> OuvrirScoresSerie(const QString &chemin);

} // namespace kalvoro
