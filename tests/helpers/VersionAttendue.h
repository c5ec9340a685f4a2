#pragma once
// Le numéro de version que le programme doit écrire (« 1.7 »), pris dans la fiche que CMake
// produit : un essai ne le recopie pas, et le prochain changement de version ne touche aucun
// essai.
#include "Version.h"

#include <QString>

namespace kalvoro {

inline QString VersionAttendue()
{
    return QStringLiteral("%1.%2").arg(fiche::VersionMajeure).arg(fiche::VersionMineure);
}

} // namespace kalvoro
