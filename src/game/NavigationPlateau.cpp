#include "NavigationPlateau.h"

#include "DimensionsPlateau.h"

#include <cstdlib>

namespace kalvoro {

namespace {

int DansLOrdre(int depart, int pas, const std::function<bool(int)> &jouable)
{
    for (int i = depart + pas; i >= 1 && i <= NombreCellules; i += pas)
        if (jouable(i))
            return i;
    return 0;
}

// Dans la rangée `rangee`, la cellule jouable la plus proche de la colonne `colonne`.
int PlusProcheDansLaRangee(int rangee, int colonne, const std::function<bool(int)> &jouable)
{
    int choisie = 0;
    int ecart = ColonnesPlateau;
    for (int c = 0; c < ColonnesPlateau; ++c) {
        const int i = rangee * ColonnesPlateau + c + 1;
        if (jouable(i) && std::abs(c - colonne) < ecart) {
            choisie = i;
            ecart = std::abs(c - colonne);
        }
    }
    return choisie;
}

} // namespace

int CelluleVoisine(int depart, Direction direction, const std::function<bool(int)> &jouable)
{
    if (depart < 1 || depart > NombreCellules)
        return 0;
    if (direction == Direction::Gauche || direction == Direction::Droite)
        return DansLOrdre(depart, direction == Direction::Droite ? 1 : -1, jouable);
    const int pas = direction == Direction::Bas ? 1 : -1;
    // D'abord la même colonne, par-dessus les trous ; sinon la rangée jouable la plus proche.
    if (const int i = DansLOrdre(depart, pas * ColonnesPlateau, jouable))
        return i;
    const int colonne = (depart - 1) % ColonnesPlateau;
    for (int rangee = (depart - 1) / ColonnesPlateau + pas; rangee >= 0 && rangee < RangeesPlateau;
         rangee += pas)
        if (const int i = PlusProcheDansLaRangee(rangee, colonne, jouable))
            return i;
    return 0;
}

} // namespace kalvoro
