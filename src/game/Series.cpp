#include "Series.h"

namespace kalvoro {

const std::array<Serie, NombreSeries> &Series()
{
    static const std::array<Serie, NombreSeries> series{{
        {1, QStringLiteral("Animaux"), "animaux"},
        {2, QStringLiteral("Cinéma"), "cinema"},
        {3, QStringLiteral("Disney"), "disney"},
        {4, QStringLiteral("Formes"), "formes"},
        {5, QStringLiteral("Smileys"), "smileys"},
        {6, QStringLiteral("Toons"), "toons"},
    }};
    return series;
}

const Serie *SerieNumero(int numero)
{
    if (numero < 1 || numero > NombreSeries)
        return nullptr;
    return &Series()[static_cast<std::size_t>(numero - 1)];
}

const Serie *SerieNommee(const QString &nom)
{
    for (const Serie &serie : Series())
        if (serie.Nom == nom)
            return &serie;
    return nullptr;
}

} // namespace kalvoro
