#pragma once
#include <QRect>

namespace kalvoro {

// La largeur en deçà de laquelle l'aide ne se rétrécit plus pour tenir à côté de la fenêtre.
inline constexpr int LargeurAideUtile = 400;

// Où ouvrir l'aide (rectangle extérieur, cadre compris) et à quelle taille, pour qu'elle
// tienne dans l'écran et cache le moins possible la fenêtre qui l'a demandée : à côté d'elle,
// à droite puis à gauche, rétrécie s'il le faut jusqu'à LargeurAideUtile ; sinon dessous ou
// dessus si l'écran a la place ; sinon là où elle en couvre le moins. Jamais plus grande que
// l'écran.
QRect PlaceAide(const QRect &demandeur, const QSize &aide, const QRect &ecran);

} // namespace kalvoro
