#pragma once
// La première copie du Scores.dat livré chez le joueur, pour Emplacements seul.
#include "Emplacements.h"

namespace kalvoro {

// Lit le fichier livré et son journal, écrit la copie sous un nom provisoire, la fait contrôler
// puis la nomme sans écraser un fichier déjà là. Rend la cause d'un échec, vide si la copie est
// nommée ; avis reçoit ce que le joueur doit savoir même quand tout va bien.
QString CopierLivres(const Emplacements &emplacements, const ControleCopie &controler,
                     QString &avis);

} // namespace kalvoro
