#pragma once

namespace kalvoro {

// Le plateau : 8 colonnes et 6 rangées de cellules numérotées de 1 à 48 dans l'ordre de lecture.
// Les tableaux indexés par cellule ont une case de plus, la case 0 restant inutilisée, pour que
// l'indice soit le numéro même de la cellule.
inline constexpr int ColonnesPlateau = 8;
inline constexpr int RangeesPlateau = 6;
inline constexpr int NombreCellules = ColonnesPlateau * RangeesPlateau;
inline constexpr int TailleTableauCellules = NombreCellules + 1;

// Une série a 24 images, chacune sur deux cartes.
inline constexpr int NombrePaires = NombreCellules / 2;

} // namespace kalvoro
