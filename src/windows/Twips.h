#pragma once
#include <QRect>
#include <QSize>

namespace kalvoro {

// Les positions des fenêtres sont écrites en twips, comme sur la planche de dessin :
// 15 twips font un pixel à 96 points par pouce. Seul endroit où se fait la conversion.
inline constexpr int TwipsParPixel = 15;

constexpr int Px(int twips)
{
    return (twips + TwipsParPixel / 2) / TwipsParPixel;
}

constexpr QRect RectTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(Px(gauche), Px(haut), Px(largeur), Px(hauteur));
}

constexpr QSize TailleTwips(int largeur, int hauteur)
{
    return QSize(Px(largeur), Px(hauteur));
}

} // namespace kalvoro
