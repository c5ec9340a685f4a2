#include "DimensionsPlateau.h"

namespace kalvoro {

QString TaillePlateau::Nom() const
{
    // Espaces fines insécables : « 4 × 3 » ne se coupe jamais et tient dans la liste étroite.
    return QStringLiteral("%1\u202f×\u202f%2").arg(Colonnes).arg(Rangees);
}

QString TaillePlateau::Code() const
{
    return QStringLiteral("%1x%2").arg(Colonnes).arg(Rangees);
}

const TaillePlateau *TaillePlateau::DuCode(const QString &code)
{
    for (const TaillePlateau &taille : TaillesPlateau)
        if (taille.Code() == code)
            return &taille;
    return nullptr;
}

} // namespace kalvoro
