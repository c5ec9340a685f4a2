// Les tours qu'il faut à l'ordinateur, à chaque niveau de mémoire et à chaque taille, sur 20
// parties chacun (donne et hasard semés par le numéro de la partie) : seul, pour vider le
// plateau, puis contre une joueuse qu'on fait jouer comme lui au niveau Moyen. Chacun voit
// toutes les cartes retournées et oublie comme en jeu, à chaque fin de tour.
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

struct Bilan {
    std::vector<int> tours;  // par joueur
    std::vector<int> paires; // par joueur
};

class PartieSimulee {
public:
    PartieSimulee(const std::vector<NiveauOrdinateur> &niveaux, TaillePlateau plateau,
                  unsigned graine)
        : taille(plateau), generateur(std::make_shared<std::mt19937>(graine)),
          cartes(std::size_t(taille.Cellules()))
    {
        std::iota(cartes.begin(), cartes.end(), 1);
        std::shuffle(cartes.begin(), cartes.end(), *generateur);
        for (const NiveauOrdinateur niveau : niveaux)
            joueurs.emplace_back(
                niveau, [g = generateur] { return float((*g)() >> 8) / 16777216.0f; },
                taille.Paires());
        for (int cellule = 1; cellule <= taille.Cellules(); ++cellule)
            jouables << cellule;
        bilan = {std::vector<int>(niveaux.size()), std::vector<int>(niveaux.size())};
    }

    Bilan Jouer()
    {
        std::size_t main = 0;
        while (!jouables.isEmpty()) {
            ++bilan.tours[main];
            const bool paire = Tour(joueurs[main]);
            bilan.paires[main] += paire;
            for (JoueurOrdinateur &joueur : joueurs)
                joueur.Oublier();
            if (!paire)
                main = (main + 1) % joueurs.size();
        }
        return bilan;
    }

private:
    int Carte(int cellule) const { return cartes[std::size_t(cellule - 1)]; }
    void Montrer(int cellule)
    {
        for (JoueurOrdinateur &joueur : joueurs)
            joueur.Voir(cellule, Carte(cellule));
    }
    bool Tour(JoueurOrdinateur &joueur)
    {
        const int premiere = joueur.ChoisirPremiere(jouables);
        Montrer(premiere);
        QList<int> autres = jouables;
        autres.removeOne(premiere);
        const int seconde = joueur.ChoisirSeconde(Carte(premiere), autres);
        Montrer(seconde);
        if (std::abs(Carte(premiere) - Carte(seconde)) != taille.Paires())
            return false;
        for (const int retiree : {premiere, seconde}) {
            for (JoueurOrdinateur &j : joueurs)
                j.Retirer(retiree);
            jouables.removeOne(retiree);
        }
        return true;
    }

    TaillePlateau taille;
    std::shared_ptr<std::mt19937> generateur;
    std::vector<int> cartes;
    std::vector<JoueurOrdinateur> joueurs;
    QList<int> jouables;
    Bilan bilan;
};

double Moyenne(const std::vector<int> &valeurs)
{
    return std::accumulate(valeurs.begin(), valeurs.end(), 0.0) / double(valeurs.size());
}

} // namespace

int main()
{
    const char *noms[] = {"Facile", "Moyen", "Fort"};
    std::printf("Sur %d parties : l'ordinateur seul (ses tours pour vider le plateau), puis contre "
                "une joueuse au niveau Moyen (ses tours et ses paires, celles de la joueuse)\n",
                Parties);
    for (const TaillePlateau taille : TaillesPlateau) {
        for (int niveau = 0; niveau < 3; ++niveau) {
            std::vector<int> seul, tours, paires, pairesJoueuse;
            for (unsigned partie = 1; partie <= Parties; ++partie) {
                seul.push_back(
                    PartieSimulee({NiveauOrdinateur(niveau)}, taille, partie).Jouer().tours[0]);
                const Bilan contre =
                    PartieSimulee({NiveauOrdinateur::Moyen, NiveauOrdinateur(niveau)}, taille,
                                  1000 + partie)
                        .Jouer();
                tours.push_back(contre.tours[1]);
                paires.push_back(contre.paires[1]);
                pairesJoueuse.push_back(contre.paires[0]);
            }
            std::printf("  %dx%d %-7s seul : %5.1f tours (%3d à %3d, %d au mieux)   contre la "
                        "joueuse : %5.1f tours, %4.1f paires contre %4.1f\n",
                        taille.Colonnes, taille.Rangees, noms[niveau], Moyenne(seul),
                        *std::min_element(seul.begin(), seul.end()),
                        *std::max_element(seul.begin(), seul.end()), taille.Paires(),
                        Moyenne(tours), Moyenne(paires), Moyenne(pairesJoueuse));
        }
    }
    return 0;
}
