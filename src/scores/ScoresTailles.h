#pragma once
// Les scores des six séries aux autres tailles de plateau : un fichier par taille, à côté de
// Scores.dat, qui garde exactement ses six tables, celles du plateau classique.
#include "DimensionsPlateau.h"
#include "MagasinScores.h"

#include <QString>
#include <memory>

namespace kalvoro {

// Le fichier des six à cette taille, dans le dossier de ce Scores.dat : « Scores-4x3.dat ».
QString CheminScoresTaille(const QString &scoresDat, TaillePlateau taille);

// Ouvre le fichier des six à une autre taille, créé d'abord, ses six tables vides, s'il n'existe
// pas encore. Lève ErreurScores comme MagasinSqlcipher.
std::unique_ptr<MagasinScores> OuvrirScoresTaille(const QString &chemin);

} // namespace kalvoro
