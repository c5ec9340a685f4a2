#pragma once
// La copie de Scores.dat propre au joueur, contrôlée par le moteur avant d'être nommée.
#include "Emplacements.h"

#include <QString>

namespace kalvoro {

// Ouvre la copie provisoire avec le mot de passe : le moteur y annule l'inscription inachevée
// d'un journal posé à côté d'elle, puis la copie doit avoir ses six tables et passer le contrôle
// d'intégrité. Rend la cause d'un refus en français, vide si la copie est bonne.
QString ControlerCopieScores(const QString &copie);

// Commence la dérivation de la clé du Scores.dat que le programme ouvrira (au premier lancement,
// celle du fichier livré, dont la copie aura le sel), avant toute connexion à ce fichier.
void AnticiperCleDuProgramme();

// La copie de Scores.dat chez le joueur, faite une seule fois pour tout le programme, quel que
// soit le fil qui la demande le premier.
const PreparationScores &PreparerScoresDuProgramme();

} // namespace kalvoro
