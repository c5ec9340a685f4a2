// Les opérations que la logique du jeu demande à la fenêtre (OperationsFenetre), réalisées sur
// les vrais contrôles : le plateau, la liste, les étiquettes, Annuler, la minuterie, les boîtes.
#include "AnnoncesJeu.h"
#include "BoiteOuiNon.h"
#include "Enregistre.h"
#include "Focus.h"
#include "Jeu.h"

#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <algorithm>

namespace kalvoro {

void Jeu::AfficherFace(int cellule, int numeroCarte, const Serie &serie)
{
    const Plateau::FaceMontree montree = plateau->AfficherFace(cellule, numeroCarte, serie);
    if (partie.TourOrdinateur()) {
        annonces->CarteOrdinateur(partie.LaTablee().JoueurCourant().prenom, montree.nomCellule);
        return;
    }
    // À plusieurs, l'issue est dite à la fin du tour, avec le prénom du joueur.
    std::optional<AnnoncesJeu::Issue> issue;
    if (partie.NbRetournees() == 2 && !partie.LaTablee().APlusieurs())
        issue = AnnoncesJeu::Issue{partie.FormePaire(cellule), partie.NbClics() / 2};
    annonces->CarteRetournee(montree.nomCellule, montree.face, !plateau->JoueALaSouris(), issue);
}

void Jeu::AfficherDos(int cellule)
{
    plateau->AfficherDos(cellule);
}

void Jeu::ActiverListeJeux(bool actif)
{
    ListeJeux->setEnabled(actif);
    ListeTailles->setEnabled(actif);
    BoutonJoueurs->setEnabled(actif);
}

void Jeu::EcrireScoreEnCours(const QString &texte)
{
    ScoreEnCours->setText(texte);
    annonces->ScoreEnCours(texte);
}

void Jeu::EcrireMeilleurScore(const QString &texte)
{
    const QString ancien = MeilleurScore->text();
    MeilleurScore->setText(texte);
    // À plusieurs aucun score n'est inscrit : le meilleur n'est pas montré, ni dit.
    if (!JoueursChoisis().isEmpty())
        return;
    annonces->MeilleurScore(ancien, texte,
                            saisieOuverte ? AnnoncesJeu::Origine::Inscription
                                          : AnnoncesJeu::Origine::ChoixSerie);
}

void Jeu::ActiverAnnuler(bool actif)
{
    Annuler->setEnabled(actif);
}

void Jeu::DemarrerMinuterie()
{
    Minuterie->start();
}

void Jeu::ArreterMinuterie()
{
    Minuterie->stop();
}

void Jeu::Repeindre()
{
    repaint();
}

int Jeu::QuestionOuiNon(const QString &titre, const QString &texte)
{
    return DemanderOuiNon(this, titre, texte);
}

void Jeu::MontrerCellule(int cellule, bool visible)
{
    QPushButton *bouton = plateau->Cellule(cellule);
    // La paire trouvée au clavier s'en va sous le focus : il passe à la carte la plus proche
    // plutôt qu'à la suivante de la tabulation (Quitter, quand le plateau se vide).
    if (!visible && focusWidget() == bouton) {
        QPushButton *voisine = plateau->ProcheJouable(cellule);
        if (voisine)
            DonnerFocusVisible(voisine);
        else
            DonnerFocusAnnuler();
    }
    bouton->setVisible(visible);
    if (!visible)
        annonces->PaireCachee();
}

void Jeu::GelerPlateau(bool gele)
{
    plateau->Geler(gele);
    // À la souris, le classique : pendant la pause le focus est sur Annuler.
    QWidget *focus = focusWidget();
    if (gele && plateau->JoueALaSouris() && focus && plateau->isAncestorOf(focus))
        DonnerFocusAnnuler();
}

void Jeu::ActiverCellule(int cellule, bool actif)
{
    QPushButton *bouton = plateau->Cellule(cellule);
    // La cellule d'une paire trouvée n'est plus là : la basculer à chaque tour ne ferait
    // qu'inonder les lecteurs d'écran d'événements (elle est remontrée, puis désactivée, à la
    // remise à zéro).
    if (bouton->isHidden())
        return;
    // Une cellule désactivée qui tient le focus le passerait à la suivante de la tabulation,
    // Quitter, où une barre d'espace égarée finirait le programme : il va d'abord là où le
    // joueur agit ensuite.
    if (!actif && focusWidget() == bouton) {
        if (Annuler->isEnabled())
            DonnerFocusAnnuler();
        else if (ListeJeux->isEnabled())
            DonnerFocusVisible(ListeJeux);
    }
    bouton->setEnabled(actif);
}

void Jeu::DonnerFocusApresCarte()
{
    if (plateau->JoueALaSouris()) {
        DonnerFocusAnnuler();
        return;
    }
    // Au clavier le focus reste sur le plateau : une barre d'espace tenue ou tapée en retard
    // n'y trouve qu'une carte, jamais l'abandon de la partie.
    QWidget *focus = focusWidget();
    if (focus && plateau->isAncestorOf(focus) && focus->isVisible())
        return;
    if (QPushButton *retour = plateau->RetourDuFocus())
        DonnerFocusVisible(retour);
}

void Jeu::DonnerFocusAnnuler()
{
    // Le programme met le focus sur Annuler : un second appui sur Espace tout de suite après
    // visait la carte, pas l'abandon.
    if (focusWidget() != Annuler)
        focusProgrammeSurAnnuler.start();
    DonnerFocusVisible(Annuler);
}

void Jeu::AjouterSerie(const QString &nom, int numero)
{
    // Le premier ajout choisirait l'entrée d'office : la liste reste sans choix.
    const int choix = ListeJeux->currentIndex();
    ListeJeux->addItem(nom, numero);
    ListeJeux->setCurrentIndex(choix);
}

QString Jeu::TexteListeJeux() const
{
    return ListeJeux->currentIndex() < 0 ? QString() : ListeJeux->currentText();
}

int Jeu::NumeroSerieChoisie() const
{
    return ListeJeux->currentIndex() < 0 ? 0 : ListeJeux->currentData().toInt();
}

void Jeu::OuvrirEnregistre()
{
    // Le dialogue signale lui-même les échecs du magasin.
    const QString score = ScoreEnCours->text();
    Enregistre saisie(*this, *magasin, this);
    saisieOuverte = true;
    saisie.exec();
    saisieOuverte = false;
    AnnoncerInscription(saisie.NomSaisi(), saisie.PrenomSaisi(), score.toInt());
}

void Jeu::AnnoncerInscription(const QString &nom, const QString &prenom, int score)
{
    int rang = 0;
    qsizetype lignes = 0;
    try {
        const Serie *serie = SerieChoisie();
        const QList<LigneScore> tableau =
            serie ? magasin->ListerScores(serie->Palmares()) : QList<LigneScore>();
        lignes = tableau.size();
        const auto inscrite = std::find_if(tableau.begin(), tableau.end(), [&](const auto &l) {
            return l.SCORE == score && l.NOM == nom && l.PRENOM == prenom &&
                   l.DATE == QDate::currentDate();
        });
        if (inscrite != tableau.end())
            rang = static_cast<int>(inscrite - tableau.begin()) + 1;
    } catch (const ErreurScores &) {
        // Le tableau illisible un instant : le rang n'est pas dit, rien d'autre ne change.
    }
    annonces->ScoreInscrit(rang, static_cast<int>(lignes));
}

} // namespace kalvoro
