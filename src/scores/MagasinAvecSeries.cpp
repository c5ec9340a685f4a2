#include "MagasinAvecSeries.h"

#include "Series.h"

namespace kalvoro {

MagasinAvecSeries::MagasinAvecSeries(std::unique_ptr<MagasinScores> classique, OuvreurSerie ouvrir,
                                     EtatDeSerie etatDe)
    : six(std::move(classique)), ouvreur(std::move(ouvrir)), etat(std::move(etatDe))
{
}

// Un palmarès de série du joueur va à son fichier, tout autre à Scores.dat, qui refuse ce qui
// n'est pas l'une des six séries. L'échec d'une série du joueur la nomme, jamais par sa clé.
template <typename Operation>
auto MagasinAvecSeries::Faire(const QString &palmares, const Operation &operation)
{
    const QString id = IdDuPalmares(palmares);
    if (id.isEmpty())
        return operation(*six);
    const QString nom = NomDe(id);
    try {
        return operation(MagasinDe(id));
    } catch (const ErreurScores &erreur) {
        if (erreur.Occupe())
            throw;
        throw ErreurScores(tr("Les meilleurs scores de la série « %1 » ne sont pas accessibles ; "
                              "le jeu continue sans eux.\n\n%2")
                               .arg(nom, QString(erreur.Message()).replace(palmares, nom)),
                           ErreurScores::Nature::SerieJoueur);
    }
}

QString MagasinAvecSeries::NomDe(const QString &id)
{
    if (!etat)
        return id;
    const EtatSerie serie = etat(id);
    if (serie.presente)
        return serie.nom;
    Oublier(id);
    throw ErreurScores(tr("La série « %1 » n'existe plus : elle a été supprimée, peut-être par "
                          "un autre Kalvoro. Ses meilleurs scores sont partis avec elle.")
                           .arg(serie.nom),
                       ErreurScores::Nature::SerieJoueur);
}

// Un fichier n'est gardé qu'une fois ouvert sans erreur : l'opération suivante le rouvre.
MagasinScores &MagasinAvecSeries::MagasinDe(const QString &id)
{
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

QString MagasinAvecSeries::LireMeilleurScore(const QString &palmares)
{
    return Faire(palmares, [&](MagasinScores &m) { return m.LireMeilleurScore(palmares); });
}

int MagasinAvecSeries::LirePlusMauvaisScore(const QString &palmares)
{
    return Faire(palmares, [&](MagasinScores &m) { return m.LirePlusMauvaisScore(palmares); });
}

Classement MagasinAvecSeries::RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                                   const QString &prenom, int score,
                                                   const QDate &date)
{
    return Faire(palmares, [&](MagasinScores &m) {
        return m.RemplacerPlusMauvais(palmares, nom, prenom, score, date);
    });
}

QList<LigneScore> MagasinAvecSeries::ListerScores(const QString &palmares)
{
    return Faire(palmares, [&](MagasinScores &m) { return m.ListerScores(palmares); });
}

void MagasinAvecSeries::Oublier(const QString &id)
{
    ouverts.erase(id);
}

} // namespace kalvoro
