#include "MagasinAvecSeries.h"

#include "Emplacements.h"
#include "ScoresTailles.h"
#include "Series.h"

namespace kalvoro {

namespace {

// Le fichier de cette taille à côté du Scores.dat du programme.
std::unique_ptr<MagasinScores> OuvrirTailleDuProgramme(TaillePlateau taille)
{
    return OuvrirScoresTaille(CheminScoresTaille(EmplacementsDuProgramme().scores, taille));
}

} // namespace

MagasinAvecSeries::MagasinAvecSeries(std::unique_ptr<MagasinScores> classique, OuvreurSerie ouvrir,
                                     EtatDeSerie etatDe, OuvreurTaille ouvrirTaille)
    : six(std::move(classique)), ouvreur(std::move(ouvrir)), etat(std::move(etatDe)),
      ouvreurTaille(ouvrirTaille ? std::move(ouvrirTaille) : &OuvrirTailleDuProgramme)
{
}

// Un palmarès de série du joueur va à son fichier, qui y choisit la table de la taille. Celui
// d'une des six va à Scores.dat au plateau classique, qui refuse ce qui n'est pas l'une des six
// séries ; aux autres tailles, au fichier de la taille, sous le nom de la série seul.
// L'opération reçoit le magasin et le palmarès qu'il connaît. L'échec d'une série du joueur la
// nomme, jamais par sa clé.
template <typename Operation>
auto MagasinAvecSeries::Faire(const QString &palmares, const Operation &operation)
{
    const QString id = IdDuPalmares(palmares);
    if (id.isEmpty()) {
        const PalmaresDecompose cle = DecomposerPalmares(palmares);
        if (cle.taille == TailleClassique)
            return operation(*six, palmares);
        return operation(MagasinA(cle.taille), cle.serie);
    }
    const QString nom = NomDe(id);
    try {
        return operation(MagasinDe(id), palmares);
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

// Comme pour une série du joueur : gardé seulement une fois ouvert sans erreur.
MagasinScores &MagasinAvecSeries::MagasinA(TaillePlateau taille)
{
    auto ouvert = sixAilleurs.find(taille.Code());
    if (ouvert == sixAilleurs.end()) {
        std::unique_ptr<MagasinScores> magasin = ouvreurTaille(taille);
        if (!magasin)
            throw ErreurScores(tr("Les scores du plateau %1 sont introuvables.").arg(taille.Nom()));
        ouvert = sixAilleurs.emplace(taille.Code(), std::move(magasin)).first;
    }
    return *ouvert->second;
}

QString MagasinAvecSeries::LireMeilleurScore(const QString &palmares)
{
    return Faire(palmares,
                 [](MagasinScores &m, const QString &cle) { return m.LireMeilleurScore(cle); });
}

int MagasinAvecSeries::LirePlusMauvaisScore(const QString &palmares)
{
    return Faire(palmares,
                 [](MagasinScores &m, const QString &cle) { return m.LirePlusMauvaisScore(cle); });
}

Classement MagasinAvecSeries::RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                                   const QString &prenom, int score,
                                                   const QDate &date)
{
    return Faire(palmares, [&](MagasinScores &m, const QString &cle) {
        return m.RemplacerPlusMauvais(cle, nom, prenom, score, date);
    });
}

QList<LigneScore> MagasinAvecSeries::ListerScores(const QString &palmares)
{
    return Faire(palmares,
                 [](MagasinScores &m, const QString &cle) { return m.ListerScores(cle); });
}

void MagasinAvecSeries::Oublier(const QString &id)
{
    ouverts.erase(id);
}

} // namespace kalvoro
