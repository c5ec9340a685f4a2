#include "ModeleScores.h"

#include "Series.h"
#include "VerificationsScores.h"

namespace kalvoro {

namespace {

// La table de la taille du palmarès, quelle que soit la série du joueur : le fichier est le sien.
QByteArray TableDeLaSerieJoueur(const QString &palmares)
{
    if (IdDuPalmares(palmares).isEmpty())
        throw PasUneSerieJoueur(palmares);
    return '"' + TableSerieJoueurA(DecomposerPalmares(palmares).taille).toUtf8() + '"';
}

QStringList NomsDesSix()
{
    QStringList noms;
    for (const Serie &serie : Series())
        noms << serie.Nom;
    return noms;
}

} // namespace

QString TableSerieJoueurA(TaillePlateau taille)
{
    const QString classique = QString::fromLatin1(TableSerieJoueur);
    return taille == TailleClassique ? classique : classique + QLatin1Char('-') + taille.Code();
}

QByteArray CreationTable(const QString &nom)
{
    return "CREATE TABLE IF NOT EXISTS \"" + nom.toUtf8() +
           "\" (NOM TEXT NOT NULL CHECK (length(NOM) <= 25), "
           "PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20), "
           "DATE TEXT NOT NULL CHECK (date(DATE) = DATE), "
           "SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer'));";
}

const ModeleScores &ModeleClassique()
{
    static const ModeleScores modele{NomsDesSix(), &NomTable, &ObjetEtranger, false};
    return modele;
}

const ModeleScores &ModeleTaille()
{
    static const ModeleScores modele{NomsDesSix(), &NomTable, &ObjetEtranger, true};
    return modele;
}

const ModeleScores &ModeleSerieJoueur()
{
    static const ModeleScores modele = [] {
        ModeleScores serie{{},
                           &TableDeLaSerieJoueur,
                           &ObjetEtrangerSerieJoueur,
                           true,
                           {QString::fromLatin1(TableSerieJoueur)}};
        for (const TaillePlateau &taille : TaillesPlateau)
            serie.Tables << TableSerieJoueurA(taille);
        return serie;
    }();
    return modele;
}

} // namespace kalvoro
