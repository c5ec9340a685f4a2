#pragma once
#include <QRect>

namespace kalvoro {

// Les positions et tailles des fenêtres sont écrites en twips, comme sur les plans des
// fenêtres ; 15 twips font un pixel à 96 points par pouce. Qt met ensuite à l'échelle des
// grands écrans. Les géométries s'écrivent avec les nombres en twips, convertis ici seulement.
inline constexpr int TwipsParPixel = 15;

// Twips vers pixels, arrondi au plus proche.
constexpr int Px(double twips)
{
    const double pixels = twips / TwipsParPixel;
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

// Pixels vers twips.
constexpr double EnTwips(int pixels)
{
    return static_cast<double>(pixels) * TwipsParPixel;
}

// Un rectangle donné en twips (gauche, haut, largeur, hauteur), en pixels.
constexpr QRect RectangleTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(Px(gauche), Px(haut), Px(largeur), Px(hauteur));
}

} // namespace kalvoro
