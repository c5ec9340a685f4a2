#include "SelectionSerie.h"

#include "DimensionsPlateau.h"
#include "Series.h"

namespace kalvoro {

void RemplirListeJeux(OperationsFenetre &fenetre, const QList<Serie> &duJoueur,
                      TaillePlateau taille)
{
    for (const Serie &serie : Series())
        fenetre.AjouterSerie(serie.NomAffiche(), serie.Numero);
    for (const Serie &serie : duJoueur)
        if (serie.Remplit(taille))
            fenetre.AjouterSerie(serie.NomAffiche(), NumeroDEntree(serie.Palmares(), duJoueur));
    fenetre.AjouterSerie(Serie::tr("Mes séries…"), NumeroMesSeries);
}

void ChoisirSerie(OperationsFenetre &fenetre, const LecteurMeilleurScore &lireMeilleurScore)
{
    // Reprendre la série déjà affichée après une remise à zéro est un choix comme un autre :
    // le plateau redevient jouable.
    // « Mes séries… » n'est pas une série : la fenêtre ouvre alors celle des séries du joueur.
    const Serie *serie = fenetre.SerieChoisie();
    if (fenetre.TexteListeJeux().isEmpty() || !serie)
        return;
    const QString palmares = serie->Palmares();
    fenetre.ActiverAnnuler(true);
    fenetre.ActiverListeJeux(false);
    const int cellules = fenetre.TailleChoisie().Cellules();
    for (int i = 1; i <= cellules; ++i)
        fenetre.ActiverCellule(i, true);
    fenetre.EcrireMeilleurScore(lireMeilleurScore(palmares));
}

} // namespace kalvoro
