// La partie à plusieurs : les joueurs attablés, la main qui passe, le tour de l'ordinateur et
// la fin sur le classement.
#include "Partie.h"

namespace kalvoro {

// Les joueurs choisis, à zéro paire, le premier ayant la main.
void Partie::Attabler()
{
    tablee = kalvoro::Tablee(fenetre.JoueursChoisis());
    ordinateur.reset();
    for (const Joueur &joueur : tablee.Joueurs())
        if (joueur.ordinateur)
            ordinateur.emplace(*joueur.ordinateur, source, Taille().Paires());
    if (tablee.APlusieurs())
        fenetre.MontrerTablee(tablee, std::nullopt);
}

bool Partie::TourOrdinateur() const
{
    return distribue == 1 && tablee.TourOrdinateur();
}

void Partie::JouerPourLOrdinateur()
{
    const QList<int> jouables = CellulesJouables();
    if (jouables.isEmpty() || clicEnTraitement)
        return;
    JouerCarte(nbRetournees == 0 ? ordinateur->ChoisirPremiere(jouables)
                                 : ordinateur->ChoisirSeconde(valeur1, jouables));
}

// Ni retirées, ni la première carte du tour, déjà face visible.
QList<int> Partie::CellulesJouables() const
{
    QList<int> jouables;
    for (int i = 1; i <= taille.Cellules(); ++i)
        if (!cachee[static_cast<std::size_t>(i)] && !(nbRetournees == 1 && i == position1))
            jouables.append(i);
    return jouables;
}

void Partie::PasserLaMain(bool paire)
{
    tablee.FinirTour(paire);
    if (ordinateur)
        ordinateur->Oublier();
    if (!tablee.APlusieurs()) {
        fenetre.EcrireScoreEnCours(QString::number(nbClics / 2));
        fenetre.DonnerFocusApresCarte();
        return;
    }
    fenetre.MontrerTablee(tablee, paire);
    if (!TourOrdinateur()) {
        fenetre.DonnerFocusApresCarte();
        return;
    }
    // Le tour de l'ordinateur : la minuterie le joue, personne d'autre ne prend de carte.
    fenetre.GelerPlateau(true);
    fenetre.DemarrerMinuterie();
}

// Aucun score n'entre dans un tableau : le classement, puis une autre partie avec les mêmes
// joueurs si on la veut.
void Partie::FinirPartieAPlusieurs()
{
    fenetre.MontrerTablee(tablee, std::nullopt);
    const QString texte = Partie::tr("La partie est terminée !!\n\n%1.\n\nRejouer avec les "
                                     "mêmes joueurs ?")
                              .arg(tablee.Classement());
    const bool encore = fenetre.QuestionOuiNon(Partie::tr("Fin de partie"), texte) == ReponseOui;
    Annuler_Click();
    if (encore)
        fenetre.RejouerMemeSerie();
}

} // namespace kalvoro
