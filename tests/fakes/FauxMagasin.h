#pragma once
#include "MagasinScores.h"
#include "Series.h"

#include <QMap>
#include <QStringList>
#include <algorithm>

namespace kalvoro {

// Magasin de scores en mémoire, pour tester la logique sans fichier. Il suit la même règle
// que le vrai (strictement meilleur que le dernier pour entrer), note chaque appel et peut
// échouer sur demande.
class FauxMagasin : public MagasinScores {
public:
    QMap<QString, QList<LigneScore>> Tables;
    QStringList Appels;           // "LireMeilleurScore Cinéma", ...
    QString EchecAuProchainAppel; // non vide : le prochain appel lève ErreurScores avec ce texte
    ErreurScores::Nature NatureDeLEchec = ErreurScores::Nature::Autre; // celle de cet échec
    QStringList OccupeUneFois; // opérations dont le prochain appel trouve le fichier occupé

    void Remplir(const QString &palmares, const QList<int> &scores)
    {
        QList<LigneScore> lignes;
        int k = 0;
        for (int score : scores) {
            ++k;
            lignes.append({QStringLiteral("NOM%1").arg(k), QStringLiteral("Prenom%1").arg(k),
                           QDate(2000, 4, k), score});
        }
        Tables[palmares] = lignes;
    }

    QString LireMeilleurScore(const QString &palmares) override
    {
        const auto lignes = Classees(QStringLiteral("LireMeilleurScore"), palmares);
        return lignes.isEmpty() ? QString() : QString::number(lignes.first().SCORE);
    }

    int LirePlusMauvaisScore(const QString &palmares) override
    {
        const auto lignes = Classees(QStringLiteral("LirePlusMauvaisScore"), palmares);
        if (lignes.isEmpty())
            throw ErreurScores(QStringLiteral("table vide"));
        return lignes.last().SCORE;
    }

    Classement RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                    const QString &prenom, int score, const QDate &date) override
    {
        auto lignes = Classees(QStringLiteral("RemplacerPlusMauvais"), palmares);
        if (lignes.isEmpty())
            throw ErreurScores(QStringLiteral("table vide"));
        if (score == lignes.last().SCORE)
            return Classement::Egal;
        if (score > lignes.last().SCORE)
            return Classement::PlusMauvais;
        lignes.last() = {nom, prenom, date, score};
        Tables[palmares] = lignes;
        return Classement::Inscrit;
    }

    QList<LigneScore> ListerScores(const QString &palmares) override
    {
        return Classees(QStringLiteral("ListerScores"), palmares);
    }

private:
    QList<LigneScore> Classees(const QString &operation, const QString &palmares)
    {
        Appels << operation + QLatin1Char(' ') + palmares;
        if (OccupeUneFois.removeOne(operation))
            throw ErreurScores(QStringLiteral("occupé"), ErreurScores::Nature::Occupe);
        if (!EchecAuProchainAppel.isEmpty()) {
            const QString texte = EchecAuProchainAppel;
            EchecAuProchainAppel.clear();
            throw ErreurScores(texte, NatureDeLEchec);
        }
        if (!SerieNommee(DecomposerPalmares(palmares).serie) || !Tables.contains(palmares))
            throw ErreurScores(QStringLiteral("table inconnue : ") + palmares);
        QList<LigneScore> lignes = Tables.value(palmares);
        std::stable_sort(
            lignes.begin(), lignes.end(),
            [](const LigneScore &a, const LigneScore &b) { return a.SCORE < b.SCORE; });
        return lignes;
    }
};

// Dix scores dans le désordre : le classement est 25 (ligne 2 du magasin), 26, 28, 29, 31, 33,
// 36, 40, 45, 50 (ligne 5).
inline const QList<int> DixScores{40, 25, 33, 28, 50, 31, 26, 45, 29, 36};

} // namespace kalvoro
