#include "PlaceAide.h"

#include <algorithm>
#include <array>

namespace kalvoro {

namespace {

// Le rectangle ramené dans l'écran, sans changer de taille.
QRect DansEcran(QRect place, const QRect &ecran)
{
    place.moveRight(std::min(place.right(), ecran.right()));
    place.moveBottom(std::min(place.bottom(), ecran.bottom()));
    place.moveLeft(std::max(place.left(), ecran.left()));
    place.moveTop(std::max(place.top(), ecran.top()));
    return place;
}

long long Couverture(const QRect &aide, const QRect &demandeur)
{
    const QRect commun = aide.intersected(demandeur);
    return commun.isEmpty() ? 0 : static_cast<long long>(commun.width()) * commun.height();
}

} // namespace

QRect PlaceAide(const QRect &demandeur, const QSize &aide, const QRect &ecran)
{
    const std::array<QPoint, 4> coins = {QPoint(demandeur.right() + 1, demandeur.top()),
                                         QPoint(demandeur.left() - aide.width(), demandeur.top()),
                                         QPoint(demandeur.left(), demandeur.bottom() + 1),
                                         QPoint(demandeur.left(), demandeur.top() - aide.height())};
    QRect meilleure;
    long long moindre = -1;
    for (const QPoint &coin : coins) {
        const QRect place = DansEcran(QRect(coin, aide), ecran);
        const long long couverture = Couverture(place, demandeur);
        if (moindre < 0 || couverture < moindre) {
            meilleure = place;
            moindre = couverture;
        }
    }
    return meilleure;
}

} // namespace kalvoro
