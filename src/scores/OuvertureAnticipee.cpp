#include "OuvertureAnticipee.h"

#include <system_error>

namespace kalvoro {

OuvertureAnticipee::OuvertureAnticipee(const QString &chemin, Ouvreur ouvreur)
    : cheminPrevu(chemin), ouvrir(std::move(ouvreur))
{
    try {
        // Le fil reçoit ses propres copies : rien de ce qu'il lit n'est touché par l'autre.
        resultat = std::async(std::launch::async, [ouvreurDuFil = ouvrir, fichier = chemin] {
            return ouvreurDuFil(fichier);
        });
    } catch (const std::system_error &) {
        // Aucun fil disponible : l'ouverture se fera au premier appel, comme sans anticipation.
    }
}

OuvertureAnticipee::~OuvertureAnticipee()
{
    if (resultat.valid())
        resultat.wait();
}

std::unique_ptr<MagasinScores> OuvertureAnticipee::Prendre(const QString &chemin)
{
    const bool anticipee = !servie && resultat.valid() && chemin == cheminPrevu;
    servie = true;
    if (anticipee)
        return resultat.get();
    return ouvrir(chemin);
}

} // namespace kalvoro
