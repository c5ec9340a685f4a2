#pragma once
#include <QRect>

namespace kalvoro {

// Où ouvrir l'aide (rectangle extérieur, cadre compris) pour qu'elle cache le moins possible
// la fenêtre qui l'a demandée : à côté d'elle, à droite, à gauche, dessous ou dessus, dans
// cet ordre, si l'écran a la place ; sinon là où elle en couvre le moins, toujours dans
// l'écran (le coin haut gauche dans l'écran si l'aide est plus grande que lui).
QRect PlaceAide(const QRect &demandeur, const QSize &aide, const QRect &ecran);

} // namespace kalvoro
