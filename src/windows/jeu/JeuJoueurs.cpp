// Les joueurs dans la fenêtre principale : le bouton qui les choisit, sous la taille du plateau,
// et, à plusieurs, le panneau qui dit qui a la main à la place des scores.
#include "FenetreJoueurs.h"
#include "Focus.h"
#include "Jeu.h"
#include "PanneauJoueurs.h"
#include "Twips.h"

#include <QGroupBox>
#include <QPushButton>

namespace kalvoro {

void Jeu::CreerChoixJoueurs()
{
    BoutonJoueurs = new QPushButton(Frame1);
    BoutonJoueurs->setObjectName(QStringLiteral("BoutonJoueurs"));
    BoutonJoueurs->setGeometry(RectangleTwips(120, 1125, 1215, 315));
    BoutonJoueurs->setAutoDefault(false);
    connect(BoutonJoueurs, &QPushButton::clicked, this, &Jeu::BoutonJoueurs_Click);
    panneauJoueurs = new PanneauJoueurs(this);
    panneauJoueurs->setGeometry(RectangleTwips(7800, 2415, 1455, 1305));
    AfficherJoueurs();
}

void Jeu::BoutonJoueurs_Click()
{
    FenetreJoueurs fenetre(choixJoueurs, this);
    if (fenetre.exec() == QDialog::Accepted) {
        choixJoueurs = fenetre.Choix();
        RetenirChoix(origines.reglages, choixJoueurs);
        AfficherJoueurs();
    }
    DonnerFocusVisible(BoutonJoueurs);
}

// Le bouton dit combien ils sont ; à plusieurs, le panneau remplace les scores, qu'aucune
// partie à plusieurs n'inscrit.
void Jeu::AfficherJoueurs()
{
    const Tablee tablee(JoueursChoisis());
    QStringList prenoms;
    for (const Joueur &joueur : tablee.Joueurs())
        prenoms << joueur.prenom;
    BoutonJoueurs->setText(tr("&Joueurs : %1").arg(tablee.Joueurs().size()));
    BoutonJoueurs->setAccessibleName(
        tablee.APlusieurs() ? tr("Joueurs : %1").arg(prenoms.join(QStringLiteral(", ")))
                            : tr("Joueurs : un seul"));
    Frame4->setVisible(!tablee.APlusieurs());
    Frame3->setVisible(!tablee.APlusieurs());
    panneauJoueurs->setVisible(tablee.APlusieurs());
    panneauJoueurs->Montrer(tablee);
}

QList<Joueur> Jeu::JoueursChoisis() const
{
    return choixJoueurs.Joueurs();
}

void Jeu::MontrerTablee(const Tablee &tablee, std::optional<bool> paire)
{
    panneauJoueurs->Montrer(tablee);
    if (paire)
        annonces->TourFini(tablee, *paire);
}

void Jeu::RejouerMemeSerie()
{
    ListeJeux_Click();
}

} // namespace kalvoro
