#include "SelectionSerie.h"

#include "DimensionsPlateau.h"
#include "Series.h"

namespace kalvoro {

void RemplirListeJeux(OperationsFenetre &fenetre, const QStringList &seriesJoueur)
{
    for (const Serie &serie : Series())
        fenetre.AjouterSerie(NomAffiche(serie), serie.Numero);
    for (int k = 0; k < seriesJoueur.size(); ++k)
        fenetre.AjouterSerie(seriesJoueur[k], PremierNumeroJoueur + k);
    fenetre.AjouterSerie(Serie::tr("Nouvelle série…"), NumeroNouvelleSerie);
}

void ChoisirSerie(OperationsFenetre &fenetre, const LecteurMeilleurScore &lireMeilleurScore)
{
    // Reprendre la série déjà affichée après une remise à zéro est un choix comme un autre :
    // le plateau redevient jouable.
    // « Nouvelle série… » n'est pas une série : la fenêtre ouvre alors celle qui en fait une.
    if (fenetre.TexteListeJeux().isEmpty() || fenetre.NumeroSerieChoisie() == NumeroNouvelleSerie)
        return;
    const QString table = fenetre.TableSerieChoisie();
    fenetre.ActiverAnnuler(true);
    fenetre.ActiverListeJeux(false);
    for (int i = 1; i <= NombreCellules; ++i)
        fenetre.ActiverCellule(i, true);
    fenetre.EcrireMeilleurScore(lireMeilleurScore(table));
}

} // namespace kalvoro
