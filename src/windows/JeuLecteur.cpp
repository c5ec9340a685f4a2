// Jeu pour le joueur au clavier et à la synthèse vocale : ce que les lecteurs d'écran
// apprennent de la partie, le focus après le choix d'une série, les touches sur la liste.
#include "Jeu.h"

#include "Enregistre.h"

#include <QApplication>
#include <QKeyEvent>

namespace kalvoro {

void Jeu::AfficherFace(int cellule, int numeroCarte, int serie)
{
    plateau->AfficherFace(cellule, numeroCarte, serie);
    annonces->CarteRetournee(plateau->Cellule(cellule)->accessibleName());
}

void Jeu::MontrerCellule(int cellule, bool visible)
{
    // Aucune disposition automatique : une cellule cachée laisse son carré vide.
    plateau->Cellule(cellule)->setVisible(visible);
    if (!visible)
        annonces->PaireCachee();
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
    const bool inscription = qobject_cast<Enregistre *>(QApplication::activeModalWidget());
    annonces->MeilleurScore(ancien, texte, inscription);
}

void Jeu::DonnerFocusAnnuler()
{
    // Le programme met le focus sur Annuler : un second appui sur Espace tout de suite après
    // visait la carte, pas l'abandon.
    if (focusWidget() != Annuler)
        focusProgrammeSurAnnuler.start();
    DonnerFocusVisible(Annuler);
}

void Jeu::DonnerFocusAuPlateau()
{
    for (int i = 1; i <= NombreCellules; ++i) {
        if (plateau->Jouable(i)) {
            DonnerFocusVisible(plateau->Cellule(i));
            return;
        }
    }
}

bool Jeu::ToucheSurListeJeux(const QKeyEvent &touche)
{
    // Une flèche sur la liste fermée l'ouvre au lieu de choisir d'office la série suivante :
    // on parcourt la liste ouverte, Entrée choisit. Alt+Bas et F4 l'ouvrent comme d'habitude.
    switch (touche.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return false;
    }
    if (touche.modifiers() & ~Qt::KeypadModifier)
        return false;
    ListeJeux->showPopup();
    return true;
}

} // namespace kalvoro
