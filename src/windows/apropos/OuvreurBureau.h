#pragma once
#include <QUrl>

namespace kalvoro {

// Remet un document ou une adresse au bureau, qui l'ouvre avec le programme de l'utilisateur.
// Une seule fonction, pour que les essais puissent prendre la place du bureau.
class OuvreurBureau {
public:
    virtual ~OuvreurBureau() = default;
    // Vrai si le bureau a pris la demande en charge.
    virtual bool Ouvrir(const QUrl &adresse) = 0;
};

// Le bureau du système (QDesktopServices::openUrl).
OuvreurBureau &OuvreurDuSysteme();

} // namespace kalvoro
