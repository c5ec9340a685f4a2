#pragma once
#include "DimensionsPlateau.h"

#include <functional>

namespace kalvoro {

// Les flèches du clavier sur un plateau de cette taille (8 colonnes et 6 rangées au classique).
enum class Direction { Gauche, Droite, Haut, Bas };

// La cellule (1 à taille.Cellules()) où les flèches mènent depuis `depart`, ou 0 s'il n'y en a pas.
// À gauche et à droite, la plus proche jouable de la même rangée : la flèche ne change jamais de
// rangée, le joueur qui n'en voit rien ne se retrouve pas ailleurs sans l'avoir voulu. En haut et
// en bas, la plus proche rangée qui a une cellule jouable, et dans celle-ci la même colonne, ou à
// défaut la plus proche (la gauche à égalité). Les cellules non jouables (cachées) sont
// sautées, pour qu'en fin de partie le focus ne reste pas bloqué derrière un trou.
int CelluleVoisine(int depart, Direction direction, const std::function<bool(int)> &jouable,
                   TaillePlateau taille = TailleClassique);

// La cellule est-elle au bord du plateau dans cette direction (rien au-delà, pas même une
// place vide) ?
bool AuBord(int cellule, Direction direction, TaillePlateau taille = TailleClassique);

} // namespace kalvoro
