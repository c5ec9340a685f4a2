#pragma once
#include "OuvreurBureau.h"

#include <QFileInfo>
#include <QList>

namespace kalvoro {

// Prend la place du bureau : note chaque adresse reçue et, comme un vrai bureau, refuse un
// fichier local qui n'existe pas.
class FauxBureau final : public OuvreurBureau {
public:
    QList<QUrl> Recues;

    bool Ouvrir(const QUrl &adresse) override
    {
        Recues.append(adresse);
        return !adresse.isLocalFile() || QFileInfo::exists(adresse.toLocalFile());
    }
};

} // namespace kalvoro
