#pragma once
#include <QChar>

namespace kalvoro {

// Vrai si le caractère existe dans le jeu de caractères de l'interface (Windows-1252).
bool DansJeuInterface(QChar c);

// La capitale de c dans le jeu de caractères de l'interface : é → É, œ → Œ, ÿ → Ÿ. Un caractère
// sans capitale dans ce jeu (chiffre, blanc, touche de contrôle, ß, µ, ou tout caractère étranger
// au jeu) reste tel quel.
QChar MajusculeInterface(QChar c);

} // namespace kalvoro
