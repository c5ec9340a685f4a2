#pragma once
// Le Jeu de BancJeu sur le vrai magasin : MagasinSqlcipher ouvert sur une copie temporaire du
// Scores.dat livré, que le programme prend pour le sien (son dossier est celui de la copie).
#include "BancJeu.h"
#include "FichierEssai.h"
#include "MagasinSqlcipher.h"
#include "Series.h"

#include <QMap>

namespace kalvoro {

inline FabriqueMagasin FabriqueMagasinSqlcipher()
{
    return [](const QString &chemin) -> std::unique_ptr<MagasinScores> {
        return std::make_unique<MagasinSqlcipher>(chemin);
    };
}

inline OriginesJeu OriginesSurLaCopie(const essai::Copie &copie)
{
    OriginesJeu origines = BancJeu::OriginesParDefaut();
    origines.dossier = copie.Dossier() + QLatin1Char('/');
    return origines;
}

using Classements = QMap<QString, QList<LigneScore>>;

// Les six classements relus par un magasin neuf, ouvert le temps de la lecture.
inline Classements LireClassements(const QString &chemin)
{
    MagasinSqlcipher magasin(chemin);
    Classements classements;
    for (const Serie &serie : Series())
        classements.insert(serie.Nom, magasin.ListerScores(serie.Nom));
    return classements;
}

struct BancScoresReels {
    essai::Copie copie;
    std::optional<BancJeu> banc;

    // Le Jeu est construit à part : le test lit d'abord la copie sans lui.
    BancJeu &Ouvrir()
    {
        banc.emplace(FabriqueMagasinSqlcipher(), OriginesSurLaCopie(copie));
        return *banc;
    }
    // Le Jeu détruit, sa connexion fermée : la copie peut être relue ou comparée octet à octet.
    void Fermer() { banc.reset(); }
};

} // namespace kalvoro
