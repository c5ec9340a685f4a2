// Combien de tours il faut à l'ordinateur pour vider seul un plateau, à chaque niveau de
// mémoire et à chaque taille : 20 parties chacun, donne et hasard semés par le numéro de la
// partie. Il voit ses propres cartes et oublie comme en jeu, à chaque fin de tour.
#include "DimensionsPlateau.h"
#include "JoueurOrdinateur.h"

#include <QList>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

using namespace kalvoro;

namespace {

constexpr int Parties = 20;

int TourDePartie(NiveauOrdinateur niveau, TaillePlateau taille, unsigned graine)
{
    auto generateur = std::make_shared<std::mt19937>(graine);
    std::vector<int> cartes(std::size_t(taille.Cellules()));
    std::iota(cartes.begin(), cartes.end(), 1);
    std::shuffle(cartes.begin(), cartes.end(), *generateur);
    JoueurOrdinateur ordinateur(
        niveau, [generateur] { return float((*generateur)() >> 8) / 16777216.0f; },
        taille.Paires());
    QList<int> jouables;
    for (int cellule = 1; cellule <= taille.Cellules(); ++cellule)
        jouables << cellule;
    int tours = 0;
    while (!jouables.isEmpty()) {
        ++tours;
        const int premiere = ordinateur.ChoisirPremiere(jouables);
        ordinateur.Voir(premiere, cartes[std::size_t(premiere - 1)]);
        QList<int> autres = jouables;
        autres.removeOne(premiere);
        const int seconde = ordinateur.ChoisirSeconde(cartes[std::size_t(premiere - 1)], autres);
        ordinateur.Voir(seconde, cartes[std::size_t(seconde - 1)]);
        if (std::abs(cartes[std::size_t(premiere - 1)] - cartes[std::size_t(seconde - 1)]) ==
            taille.Paires()) {
            for (int retiree : {premiere, seconde}) {
                ordinateur.Retirer(retiree);
                jouables.removeOne(retiree);
            }
        }
        ordinateur.Oublier();
    }
    return tours;
}

} // namespace

int main()
{
    const char *noms[] = {"Facile", "Moyen", "Fort"};
    std::printf("Tours de l'ordinateur seul pour vider le plateau (%d parties) :\n", Parties);
    for (const TaillePlateau taille : TaillesPlateau) {
        for (int niveau = 0; niveau < 3; ++niveau) {
            std::vector<int> tours;
            for (unsigned partie = 1; partie <= Parties; ++partie)
                tours.push_back(TourDePartie(NiveauOrdinateur(niveau), taille, partie));
            const double moyenne = std::accumulate(tours.begin(), tours.end(), 0.0) / Parties;
            std::printf("  %dx%d %-7s moyenne %5.1f  min %3d  max %3d  (au mieux %d)\n",
                        taille.Colonnes, taille.Rangees, noms[niveau], moyenne,
                        *std::min_element(tours.begin(), tours.end()),
                        *std::max_element(tours.begin(), tours.end()), taille.Paires());
        }
    }
    return 0;
}
