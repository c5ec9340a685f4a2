#include "Apparence.h"

#include <bit>
#include <cstdlib>

namespace kalvoro {

namespace {

// Les seuils, mesurés sur les essais : une copie réenregistrée à une autre qualité ou réduite de
// moitié ne change aucun bit de la forme et moins d'un niveau de couleur en moyenne ; recadrée de
// 5 %, deux bits et deux niveaux ; la même scène où quelqu'un a changé de place, 23 bits et
// 16 niveaux. La forme ne voit pas les couleurs (deux aplats de teintes différentes ont la
// même) : l'écart des couleurs, en moyenne sur les 48 valeurs, départage.
constexpr int BitsDeFormeToleres = 10;
constexpr int EcartDeCouleurTolere = 8;
// Dans un ciel ou un mur uni, deux voisins ont presque la même clarté : sans marge, le bruit
// d'une compression JPEG déciderait de leur bit.
constexpr int MargeDeClarte = 2;

std::uint64_t Forme(const QImage &image)
{
    const QImage grise = image.convertToFormat(QImage::Format_Grayscale8)
                             .scaled(9, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::uint64_t forme = 0;
    for (int y = 0; y < 8; ++y) {
        const uchar *ligne = grise.constScanLine(y);
        for (int x = 0; x < 8; ++x)
            forme = (forme << 1) | (ligne[x] + MargeDeClarte < ligne[x + 1] ? 1u : 0u);
    }
    return forme;
}

std::array<std::uint8_t, 48> Couleurs(const QImage &image)
{
    const QImage petite = image.convertToFormat(QImage::Format_RGB32)
                              .scaled(4, 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::array<std::uint8_t, 48> couleurs{};
    for (int i = 0; i < 16; ++i) {
        const QRgb pixel = petite.pixel(i % 4, i / 4);
        couleurs[3 * i] = static_cast<std::uint8_t>(qRed(pixel));
        couleurs[3 * i + 1] = static_cast<std::uint8_t>(qGreen(pixel));
        couleurs[3 * i + 2] = static_cast<std::uint8_t>(qBlue(pixel));
    }
    return couleurs;
}

} // namespace

Apparence ApparenceDe(const QImage &image)
{
    return {Forme(image), Couleurs(image)};
}

bool SeRessemblent(const Apparence &une, const Apparence &autre)
{
    if (std::popcount(une.forme ^ autre.forme) > BitsDeFormeToleres)
        return false;
    int ecart = 0;
    for (std::size_t i = 0; i < une.couleurs.size(); ++i)
        ecart += std::abs(une.couleurs[i] - autre.couleurs[i]);
    return ecart <= EcartDeCouleurTolere * static_cast<int>(une.couleurs.size());
}

} // namespace kalvoro
