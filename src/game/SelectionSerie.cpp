#include "SelectionSerie.h"

#include "DimensionsPlateau.h"
#include "Series.h"

namespace kalvoro {

void RemplirListeJeux(OperationsFenetre &fenetre)
{
    for (const Serie &serie : Series())
        fenetre.AjouterSerie(NomAffiche(serie), serie.Numero);
}

void ChoisirSerie(OperationsFenetre &fenetre, const LecteurMeilleurScore &lireMeilleurScore)
{
    // Reprendre la série déjà affichée après une remise à zéro est un choix comme un autre :
    // le plateau redevient jouable.
    if (fenetre.TexteListeJeux().isEmpty())
        return;
    const QString table = TableDeLaSerie(fenetre.NumeroSerieChoisie(), fenetre.TexteListeJeux());
    fenetre.ActiverAnnuler(true);
    fenetre.ActiverListeJeux(false);
    for (int i = 1; i <= NombreCellules; ++i)
        fenetre.ActiverCellule(i, true);
    fenetre.EcrireMeilleurScore(lireMeilleurScore(table));
}

} // namespace kalvoro
