#include "NavigationPlateau.h"

#include "DimensionsPlateau.h"

#include <cstdlib>

namespace kalvoro {

namespace {

int Rangee(int cellule)
{
    return (cellule - 1) / ColonnesPlateau;
}

int Colonne(int cellule)
{
    return (cellule - 1) % ColonnesPlateau;
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

int DansLaRangee(int depart, int pas, const std::function<bool(int)> &jouable)
{
    for (int c = Colonne(depart) + pas; c >= 0 && c < ColonnesPlateau; c += pas) {
        const int i = depart + c - Colonne(depart);
        if (jouable(i))
            return i;
    }
    return 0;
}

} // namespace

int CelluleVoisine(int depart, Direction direction, const std::function<bool(int)> &jouable)
{
    if (depart < 1 || depart > NombreCellules)
        return 0;
    if (direction == Direction::Gauche || direction == Direction::Droite)
        return DansLaRangee(depart, direction == Direction::Droite ? 1 : -1, jouable);
    const int pas = direction == Direction::Bas ? 1 : -1;
    for (int rangee = Rangee(depart) + pas; rangee >= 0 && rangee < RangeesPlateau; rangee += pas)
        if (const int i = PlusProcheDansLaRangee(rangee, Colonne(depart), jouable))
            return i;
    return 0;
}

bool AuBord(int cellule, Direction direction)
{
    switch (direction) {
    case Direction::Gauche:
        return Colonne(cellule) == 0;
    case Direction::Droite:
        return Colonne(cellule) == ColonnesPlateau - 1;
    case Direction::Haut:
        return Rangee(cellule) == 0;
    case Direction::Bas:
        return Rangee(cellule) == RangeesPlateau - 1;
    }
    return true;
}

} // namespace kalvoro
