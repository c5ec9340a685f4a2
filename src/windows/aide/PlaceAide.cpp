#include "PlaceAide.h"

#include <algorithm>
#include <array>
#include <optional>

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

namespace {

// À côté du demandeur, à droite puis à gauche, si la place y est (rétrécie au besoin).
std::optional<QRect> ACote(const QRect &demandeur, const QSize &aide, const QRect &ecran)
{
    const int droite = ecran.right() - demandeur.right();
    const int gauche = demandeur.left() - ecran.left();
    const int largeur = std::min(aide.width(), std::max(droite, gauche));
    if (largeur < std::min(aide.width(), LargeurAideUtile))
        return std::nullopt;
    const int x = droite >= largeur ? demandeur.right() + 1 : demandeur.left() - largeur;
    return DansEcran(QRect(QPoint(x, demandeur.top()), QSize(largeur, aide.height())), ecran);
}

} // namespace

QRect PlaceAide(const QRect &demandeur, const QSize &aideVoulue, const QRect &ecran)
{
    const QSize aide = aideVoulue.boundedTo(ecran.size());
    if (const std::optional<QRect> aCote = ACote(demandeur, aide, ecran))
        return *aCote;
    const std::array<QPoint, 2> coins = {QPoint(demandeur.left(), demandeur.bottom() + 1),
                                         QPoint(demandeur.left(), demandeur.top() - aide.height())};
    // Ni à côté ni dessus ni dessous : à droite, collée au bord, si elle y couvre moins.
    QRect meilleure = DansEcran(QRect(QPoint(demandeur.right() + 1, demandeur.top()), aide), ecran);
    long long moindre = Couverture(meilleure, demandeur);
    for (const QPoint &coin : coins) {
        const QRect place = DansEcran(QRect(coin, aide), ecran);
        const long long couverture = Couverture(place, demandeur);
        if (couverture < moindre) {
            meilleure = place;
            moindre = couverture;
        }
    }
    return meilleure;
}

} // namespace kalvoro
