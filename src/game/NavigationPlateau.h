#pragma once
#include <functional>

namespace kalvoro {

// Les flèches du clavier sur le plateau de 8 colonnes et 6 rangées.
enum class Direction { Gauche, Droite, Haut, Bas };

// La cellule (1 à 48) où les flèches mènent depuis `depart`, ou 0 s'il n'y en a pas : à gauche
// et à droite, la précédente ou la suivante dans l'ordre de lecture, d'une rangée à l'autre ;
// en haut et en bas, la suivante de la même colonne, ou à défaut, dans la plus proche rangée
// qui a une cellule jouable, celle de la colonne la plus proche (la gauche à égalité). Les cellules
// non jouables (cachées) sont sautées, pour qu'en fin de partie le focus ne reste pas bloqué
// derrière un trou.
int CelluleVoisine(int depart, Direction direction, const std::function<bool(int)> &jouable);

} // namespace kalvoro
