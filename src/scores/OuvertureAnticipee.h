#pragma once
#include "MagasinScores.h"

#include <QString>
#include <functional>
#include <future>
#include <memory>

namespace kalvoro {

// L'ouverture de Scores.dat commencée sur un autre fil dès que l'application existe : la
// dérivation de la clé (des dizaines de millisecondes de calcul) se fait pendant que la fenêtre
// se construit. Avant l'application, ce fil serait pris par Qt pour le fil principal s'il
// créait le premier objet Qt, et la fenêtre n'écouterait plus rien. Le premier appel de Prendre,
// s'il demande ce même fichier, attend ce fil et rend son magasin, ou relève son échec tel quel ;
// tout autre appel (un nouvel essai sur un fichier occupé, un autre chemin) ouvre sur-le-champ, sur
// le fil appelant. Le magasin rendu appartient alors au seul fil qui l'a reçu : SQLite permet
// qu'une connexion change de fil tant qu'un seul à la fois s'en sert.
class OuvertureAnticipee {
public:
    using Ouvreur = std::function<std::unique_ptr<MagasinScores>(const QString &chemin)>;

    OuvertureAnticipee(const QString &chemin, Ouvreur ouvreur);
    // Attend le fil s'il tourne encore : il ne survit jamais au programme.
    ~OuvertureAnticipee();
    OuvertureAnticipee(const OuvertureAnticipee &) = delete;
    OuvertureAnticipee &operator=(const OuvertureAnticipee &) = delete;

    std::unique_ptr<MagasinScores> Prendre(const QString &chemin);

private:
    QString cheminPrevu;
    Ouvreur ouvrir;
    std::future<std::unique_ptr<MagasinScores>> resultat;
    bool servie = false;
};

} // namespace kalvoro
