#include "NavigationPlateau.h"

#include "DimensionsPlateau.h"

#include <cstdlib>

namespace kalvoro {

namespace {

int Rangee(int cellule, TaillePlateau taille)
{
    return (cellule - 1) / taille.Colonnes;
}

int Colonne(int cellule, TaillePlateau taille)
{
    return (cellule - 1) % taille.Colonnes;
}

// Dans la rangée `rangee`, la cellule jouable la plus proche de la colonne `colonne`.
int PlusProcheDansLaRangee(int rangee, int colonne, const std::function<bool(int)> &jouable,
                           TaillePlateau taille)
{
    int choisie = 0;
    int ecart = taille.Colonnes;
    for (int c = 0; c < taille.Colonnes; ++c) {
        const int i = rangee * taille.Colonnes + c + 1;
        if (jouable(i) && std::abs(c - colonne) < ecart) {
            choisie = i;
            ecart = std::abs(c - colonne);
        }
    }
    return choisie;
}

int DansLaRangee(int depart, int pas, const std::function<bool(int)> &jouable, TaillePlateau taille)
{
    const int colonne = Colonne(depart, taille);
    for (int c = colonne + pas; c >= 0 && c < taille.Colonnes; c += pas) {
        const int i = depart + c - colonne;
        if (jouable(i))
            return i;
    }
    return 0;
}

} // namespace

int CelluleVoisine(int depart, Direction direction, const std::function<bool(int)> &jouable,
                   TaillePlateau taille)
{
    if (depart < 1 || depart > taille.Cellules())
        return 0;
    if (direction == Direction::Gauche || direction == Direction::Droite)
        return DansLaRangee(depart, direction == Direction::Droite ? 1 : -1, jouable, taille);
    const int pas = direction == Direction::Bas ? 1 : -1;
    for (int rangee = Rangee(depart, taille) + pas; rangee >= 0 && rangee < taille.Rangees;
         rangee += pas)
        if (const int i = PlusProcheDansLaRangee(rangee, Colonne(depart, taille), jouable, taille))
            return i;
    return 0;
}

bool AuBord(int cellule, Direction direction, TaillePlateau taille)
{
    switch (direction) {
    case Direction::Gauche:
        return Colonne(cellule, taille) == 0;
    case Direction::Droite:
        return Colonne(cellule, taille) == taille.Colonnes - 1;
    case Direction::Haut:
        return Rangee(cellule, taille) == 0;
    case Direction::Bas:
        return Rangee(cellule, taille) == taille.Rangees - 1;
    }
    return true;
}

} // namespace kalvoro
