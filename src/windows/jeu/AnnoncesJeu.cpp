#include "AnnoncesJeu.h"

#include "Accessibilite.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace kalvoro {

void AnnoncesJeu::Dire(const QString &texte)
{
    if (annuler->accessibleDescription() != texte)
        annuler->setAccessibleDescription(texte);
}

QString AnnoncesJeu::TexteIssue(bool paire, const QString &score)
{
    return (paire ? tr("Paire trouvée.") : tr("Pas de paire.")) + QLatin1Char(' ') +
           tr("Score en cours : %1.").arg(score);
}

void AnnoncesJeu::CarteRetournee(const QString &nomCellule, const QString &face, bool auClavier,
                                 std::optional<Issue> issue)
{
    // Au clavier Annuler n'aura pas le focus de la partie : inutile d'y garder les nouvelles.
    auClavierSeul = auClavier;
    if (!auClavier) {
        Dire(nomCellule);
        return;
    }
    if (!issue) {
        DireAuLecteur(annuler, face);
        return;
    }
    DireAuLecteur(annuler, face + QStringLiteral(". ") +
                               TexteIssue(issue->paire, QString::number(issue->score)));
}

void AnnoncesJeu::PartieAbandonnee(QWidget *prochainFocus)
{
    // La remise à zéro envoie aux lecteurs d'écran une centaine d'événements (les 48 cellules
    // désactivées), qu'Orca jette en bloc, notifications comprises ; il ne garde que le focus.
    // L'abandon est donc dans la description du contrôle qui va recevoir le focus : le lecteur
    // la dit avec lui.
    prochainFocus->setAccessibleDescription(tr("Partie abandonnée."));
}

void AnnoncesJeu::NouvelleLue(QWidget *controle)
{
    if (!controle->accessibleDescription().isEmpty())
        controle->setAccessibleDescription(QString());
}

void AnnoncesJeu::ScoreEnCours(const QString &texte)
{
    if (texte.isEmpty()) {
        paireTrouvee = false;
        Dire(QString());
        return;
    }
    const QString issue = TexteIssue(paireTrouvee, texte);
    paireTrouvee = false;
    // Au clavier, l'issue a été dite avec la seconde carte. À la souris elle est dite
    // maintenant, et gardée sur Annuler pour qui y revient.
    if (auClavierSeul)
        return;
    DireAuLecteur(annuler, issue);
    Dire(issue);
}

void AnnoncesJeu::MeilleurScore(const QString &ancien, const QString &nouveau, Origine origine)
{
    const bool inscription = origine == Origine::Inscription;
    if (nouveau.isEmpty())
        return;
    // Un score inscrit qui n'améliore rien laisse le meilleur tel quel : rien de neuf à dire.
    if (inscription && nouveau == ancien)
        return;
    // Dite dans la saisie, l'annonce partirait avec elle : elle attend sa fermeture.
    if (inscription) {
        meilleurInscrit = nouveau;
        return;
    }
    // Au choix d'une série, la liste déroulée se ferme encore : l'annonce attend que le focus
    // soit sur le plateau, sans quoi le lecteur d'écran la perd avec la liste.
    QTimer::singleShot(0, annuler, [this, texte = tr("Meilleur score : %1.").arg(nouveau)] {
        DireAuLecteur(annuler, texte);
    });
}

QString AnnoncesJeu::TexteRang(int rang, int lignes)
{
    switch (rang) {
    case 1:
        return tr("1er sur %1.").arg(lignes);
    case 2:
        return tr("2e sur %1.").arg(lignes);
    case 3:
        return tr("3e sur %1.").arg(lignes);
    default:
        return tr("%1e sur %2.").arg(rang).arg(lignes);
    }
}

void AnnoncesJeu::ScoreInscrit(int rang, int lignes)
{
    QStringList textes;
    if (!meilleurInscrit.isEmpty())
        textes << tr("Nouveau meilleur score : %1.").arg(meilleurInscrit);
    if (rang > 0)
        textes << TexteRang(rang, lignes);
    meilleurInscrit.clear();
    if (textes.isEmpty())
        return;
    DireApresRetour(textes.join(QLatin1Char(' ')), EssaisRetour, false);
}

// Le lecteur d'écran n'écoute que la fenêtre active : la saisie fermée, l'annonce attend que
// Jeu le redevienne, puis un instant encore, que le lecteur ait dit le focus retrouvé.
void AnnoncesJeu::DireApresRetour(const QString &texte, int essais, bool active)
{
    QTimer::singleShot(DelaiRetourMs, annuler, [this, texte, essais, active] {
        if (active || essais == 0) {
            DireAuLecteur(annuler, texte);
            return;
        }
        DireApresRetour(texte, essais - 1, annuler->window()->isActiveWindow());
    });
}

void AnnoncesJeu::Commencer(const QString &prenom)
{
    // Comme le meilleur score d'une partie seule : après la fermeture de la liste déroulée.
    QTimer::singleShot(0, annuler, [this, texte = tr("%1 commence.").arg(prenom)] {
        DireAuLecteur(annuler, texte);
    });
}

void AnnoncesJeu::CarteOrdinateur(const QString &prenom, const QString &nomCellule)
{
    auClavierSeul = false;
    DireAuLecteur(annuler, tr("%1 retourne %2.").arg(prenom, nomCellule));
}

void AnnoncesJeu::TourFini(const Tablee &tablee, bool paire)
{
    paireTrouvee = false;
    const int joueur = tablee.DernierAJouer();
    const QString prenom = tablee.Joueurs()[joueur].prenom;
    const QString texte =
        paire
            ? tr("Paire pour %1, %2. %1 rejoue.")
                  .arg(prenom, Tablee::TextePaires(tablee.PairesDe(joueur)))
            : tr("Pas de paire pour %1. À %2 de jouer.").arg(prenom, tablee.JoueurCourant().prenom);
    DireAuLecteur(annuler, texte);
    // Gardée sur Annuler pour qui y revient à la souris.
    Dire(texte);
}

} // namespace kalvoro
