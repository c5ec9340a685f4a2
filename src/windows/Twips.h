#pragma once
#include <QRect>

namespace kalvoro {

// Les fenêtres sont dessinées en twips (1/1440 de pouce) : 15 twips font un pixel à 96 points
// par pouce. Les géométries s'écrivent avec les nombres en twips, convertis ici seulement.
inline constexpr int TwipsParPixel = 15;

constexpr int Pixels(int twips)
{
    return (twips + TwipsParPixel / 2) / TwipsParPixel;
}

constexpr QRect RectangleTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(Pixels(gauche), Pixels(haut), Pixels(largeur), Pixels(hauteur));
}

} // namespace kalvoro
