#pragma once
#include "Joueurs.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

namespace kalvoro {

// Ce que les lecteurs d'écran disent d'une partie, sans rien changer à l'écran. Après une carte
// jouée à la souris le focus passe sur Annuler : sa description porte donc la dernière nouvelle
// du tour (la face retournée, puis la paire trouvée ou non et le score), que le lecteur dit
// avec le bouton quand il reçoit le focus. Au clavier le focus reste sur la carte, dont le
// lecteur ne redit pas le nom : la face y est annoncée seule, courte (DireAuLecteur). La fin
// d'un tour et le meilleur score, qui viennent sans mouvement du focus, sont annoncés aussi ;
// l'abandon, lui, est dit avec le focus qu'il déplace.
class AnnoncesJeu {
    Q_DECLARE_TR_FUNCTIONS(AnnoncesJeu)
public:
    explicit AnnoncesJeu(QWidget *boutonAnnuler) : annuler(boutonAnnuler) {}

    // L'issue d'un tour, connue dès que sa seconde carte se retourne.
    struct Issue {
        bool paire;
        int score;
    };
    // Le nom que la cellule vient de prendre (« chat, carte 3, ligne 1, colonne 3 ») et la
    // face seule (« chat »), annoncée si la carte a été jouée au clavier, avec l'issue du tour
    // pour la seconde carte : une seule annonce, la plus courte.
    void CarteRetournee(const QString &nomCellule, const QString &face, bool auClavier,
                        std::optional<Issue> issue);
    // L'abandon, dit avec le contrôle où la remise à zéro mène le focus, jusqu'à ce qu'il le
    // quitte (NouvelleLue).
    void PartieAbandonnee(QWidget *prochainFocus);
    void NouvelleLue(QWidget *controle);
    void PaireCachee() { paireTrouvee = true; }
    // Le score en cours tel qu'il s'écrit : vide à la remise à zéro, sinon la fin d'un tour.
    void ScoreEnCours(const QString &texte);
    // D'où vient un meilleur score écrit : du choix d'une série, ou de l'inscription d'un
    // score pendant la saisie (c'est alors le score inscrit).
    enum class Origine { ChoixSerie, Inscription };
    void MeilleurScore(const QString &ancien, const QString &nouveau, Origine origine);
    // La saisie fermée : le nouveau meilleur score noté pendant la saisie et le rang du score
    // inscrit (0 s'il ne l'est pas) parmi les lignes de son tableau.
    void ScoreInscrit(int rang, int lignes);

    // À plusieurs : qui commence, une fois la série choisie ; la carte que l'ordinateur
    // retourne ; l'issue du tour avec le prénom du joueur, et à qui la main revient.
    void Commencer(const QString &prenom);
    void CarteOrdinateur(const QString &prenom, const QString &nomCellule);
    void TourFini(const Tablee &tablee, bool paire);

private:
    void Dire(const QString &texte);
    static QString TexteIssue(bool paire, const QString &score);
    static QString TexteRang(int rang, int lignes);
    void DireApresRetour(const QString &texte, int essais, bool active);

    static constexpr int DelaiRetourMs = 250;
    static constexpr int EssaisRetour = 8; // deux secondes au plus

    QWidget *annuler;
    bool paireTrouvee = false;
    bool auClavierSeul = false; // la dernière carte a été jouée au clavier
    QString meilleurInscrit;    // le meilleur score qu'a fait l'inscription, à dire ensuite
};

} // namespace kalvoro
