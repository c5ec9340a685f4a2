#include "ScoresSerie.h"

#include "Series.h"

namespace kalvoro {

MagasinAvecSeries::MagasinAvecSeries(std::unique_ptr<MagasinScores> classique, OuvreurSerie ouvrir)
    : six(std::move(classique)), ouvreur(std::move(ouvrir))
{
}

// Une clé de série du joueur va à son fichier, tout autre nom à Scores.dat, qui refuse ce qui
// n'est pas l'une des six séries. Un fichier n'est gardé qu'une fois ouvert sans erreur : la
// suivante demande le réessaie.
MagasinScores &MagasinAvecSeries::MagasinDe(const QString &serie)
{
    const QString id = IdDeCleSerie(serie);
    if (id.isEmpty())
        return *six;
    auto ouvert = ouverts.find(id);
    if (ouvert == ouverts.end()) {
        std::unique_ptr<MagasinScores> magasin = ouvreur ? ouvreur(id) : nullptr;
        if (!magasin)
            throw ErreurScores(
                tr("Les scores de cette série sont introuvables : la série n'existe plus."));
        ouvert = ouverts.emplace(id, std::move(magasin)).first;
    }
    return *ouvert->second;
}

QString MagasinAvecSeries::LireMeilleurScore(const QString &serie)
{
    return MagasinDe(serie).LireMeilleurScore(serie);
}

int MagasinAvecSeries::LirePlusMauvaisScore(const QString &serie)
{
    return MagasinDe(serie).LirePlusMauvaisScore(serie);
}

Classement MagasinAvecSeries::RemplacerPlusMauvais(const QString &serie, const QString &nom,
                                                   const QString &prenom, int score,
                                                   const QDate &date)
{
    return MagasinDe(serie).RemplacerPlusMauvais(serie, nom, prenom, score, date);
}

QList<LigneScore> MagasinAvecSeries::ListerScores(const QString &serie)
{
    return MagasinDe(serie).ListerScores(serie);
}

void MagasinAvecSeries::Oublier(const QString &id)
{
    ouverts.erase(id);
}

} // namespace kalvoro
