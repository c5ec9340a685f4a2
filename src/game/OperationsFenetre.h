#pragma once
#include "Joueurs.h"
#include "Series.h"

#include <QString>
#include <optional>

namespace kalvoro {

// Réponses de la boîte de message Oui/Non.
inline constexpr int ReponseOui = 6;
inline constexpr int ReponseNon = 7;

// Ce que la logique du jeu demande à la fenêtre Jeu, et rien d'autre. La fenêtre le réalise
// sur ses contrôles ; les tests le réalisent avec une fausse fenêtre qui enregistre tout.
// Les cellules sont numérotées de 1 au nombre de cartes du plateau (48 au classique), les entrées
// de ListeJeux comme le dit Series.h.
class OperationsFenetre {
public:
    virtual ~OperationsFenetre() = default;

    // Le plateau.
    virtual void AfficherFace(int cellule, int numeroCarte, const Serie &serie) = 0;
    virtual void AfficherDos(int cellule) = 0;
    virtual void ActiverCellule(int cellule, bool actif) = 0;
    virtual void MontrerCellule(int cellule, bool visible) = 0;
    // La pause d'un tour : aucune cellule ne prend de carte jusqu'au dégel.
    virtual void GelerPlateau(bool gele) = 0;

    // La liste des séries ListeJeux.
    virtual void AjouterSerie(const QString &nom, int numero) = 0;
    virtual QString TexteListeJeux() const = 0;
    virtual int NumeroSerieChoisie() const = 0; // 0 tant que rien n'est choisi
    // La série de l'entrée choisie, avec les faces de la partie ; nullptr tant qu'aucune série
    // n'est choisie (rien, ou « Mes séries… »).
    virtual const Serie *SerieChoisie() const = 0;
    virtual void ActiverListeJeux(bool actif) = 0;
    // La taille du plateau choisie par le joueur ; elle se choisit avec la série, avant la
    // première carte, et ActiverListeJeux verrouille l'une avec l'autre.
    virtual TaillePlateau TailleChoisie() const = 0;

    // Les étiquettes de score.
    virtual void EcrireScoreEnCours(const QString &texte) = 0;
    virtual QString LireScoreEnCours() const = 0;
    virtual void EcrireMeilleurScore(const QString &texte) = 0;

    // Le bouton d'abandon Annuler.
    virtual void ActiverAnnuler(bool actif) = 0;
    // Le focus après une carte et à la fin d'un tour : là où le joueur agit ensuite.
    virtual void DonnerFocusApresCarte() = 0;

    // La minuterie Minuterie (100 ms), qui appelle Partie::Minuterie_Timer à chaque tic.
    virtual void DemarrerMinuterie() = 0;
    virtual void ArreterMinuterie() = 0;

    // Redessine Jeu pour que la carte retournée se voie (aucune boucle d'événements imbriquée).
    virtual void Repeindre() = 0;

    // Boîte modale Oui/Non avec l'icône d'information, Oui par défaut ; rend 6 ou 7.
    virtual int QuestionOuiNon(const QString &titre, const QString &texte) = 0;

    // Ouvre la saisie du score Enregistre en modal et rend la main à sa fermeture.
    virtual void OuvrirEnregistre() = 0;

    // Les joueurs choisis pour la prochaine partie ; vide pour un joueur seul.
    virtual QList<Joueur> JoueursChoisis() const = 0;
    // À plusieurs : à qui est la main et les paires de chacun, avec l'issue du tour qui vient
    // de finir (aucune au début et à la fin de la partie).
    virtual void MontrerTablee(const Tablee &tablee, std::optional<bool> paire) = 0;
    // Une nouvelle partie de la même série, le plateau prêt comme après son choix.
    virtual void RejouerMemeSerie() = 0;
};

} // namespace kalvoro
