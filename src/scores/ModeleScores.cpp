#include "ModeleScores.h"

#include "Series.h"
#include "VerificationsScores.h"

namespace kalvoro {

namespace {

// La seule table du fichier, quelle que soit la série du joueur : le fichier est le sien.
QByteArray TableDeLaSerieJoueur(const QString &palmares)
{
    if (IdDuPalmares(palmares).isEmpty())
        throw PasUneSerieJoueur(palmares);
    return QByteArray("\"") + TableSerieJoueur + '"';
}

} // namespace

const ModeleScores &ModeleClassique()
{
    static const ModeleScores modele = [] {
        ModeleScores six{{}, &NomTable, &ObjetEtranger, false};
        for (const Serie &serie : Series())
            six.Tables << serie.Nom;
        return six;
    }();
    return modele;
}

const ModeleScores &ModeleSerieJoueur()
{
    static const ModeleScores modele{{QString::fromLatin1(TableSerieJoueur)},
                                     &TableDeLaSerieJoueur,
                                     &ObjetEtrangerSerieJoueur,
                                     true};
    return modele;
}

} // namespace kalvoro
