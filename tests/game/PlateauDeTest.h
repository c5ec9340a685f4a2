#pragma once
#include "FausseFenetre.h"
#include "Partie.h"
#include "SelectionSerie.h"

namespace kalvoro {

// Une partie branchée sur une fausse fenêtre, série choisie et plateau prêt, avec une donne
// forcée : x vaut Tirage à chaque tirage (0 par défaut, d'où Tableau(k) = k).
struct PlateauDeTest {
    FausseFenetre fenetre;
    float Tirage = 0.0f;
    int Tirages = 0;
    Partie partie{fenetre, [this] {
                      ++Tirages;
                      return Tirage;
                  }};

    explicit PlateauDeTest(const QString &serie = QStringLiteral("Animaux"),
                           TaillePlateau taille = TailleClassique)
    {
        fenetre.Taille = taille;
        RemplirListeJeux(fenetre);
        partie.Annuler_Click();
        Preparer(serie);
    }

    // Le joueur choisit la série dans la liste, et la fenêtre fait le vrai choix : plateau et
    // Annuler utilisables. Les tables sont vides ici : pas de meilleur score.
    void Preparer(const QString &serie)
    {
        fenetre.Choisir(serie);
        ChoisirSerie(fenetre, [](const QString &) { return QString(); });
    }

    // Laisse tourner la minuterie comme la vraie fenêtre ; rend le nombre de tics joués.
    int Attendre()
    {
        int tics = 0;
        while (fenetre.MinuterieEnMarche && tics < 1000) {
            partie.Minuterie_Timer();
            ++tics;
        }
        return tics;
    }

    // Un tour complet : deux clics et la pause jusqu'au bout.
    int Tour(int premiere, int seconde)
    {
        partie.Bouton_Click(premiere);
        partie.Bouton_Click(seconde);
        return Attendre();
    }

    // Vrai si le plateau est celui, au repos, d'une remise à zéro.
    bool AuRepos() const
    {
        const bool cellules = fenetre.Toutes([](const FausseFenetre::Cellule &c) {
            return c.visible && !c.active && c.image == FausseFenetre::Image::Dos;
        });
        return cellules && fenetre.ListeJeuxActive && !fenetre.AnnulerActif &&
               fenetre.ScoreEnCours.isEmpty() && !fenetre.MinuterieEnMarche && !partie.EnPause() &&
               partie.Distribue() == 0 && partie.NbRetournees() == 0 && partie.NbClics() == 0 &&
               partie.NbPaires() == 0;
    }
};

} // namespace kalvoro
