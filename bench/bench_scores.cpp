// Vitesse du magasin des scores sur une copie du Scores.dat livré (dossier du programme dans
// KALVORO_DOSSIER) : ouverture avec dérivation de la clé, lectures, inscription complète.
#include "MagasinSqlcipher.h"
#include "ScoresTailles.h"
#include "Sqlite.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kalvoro;

namespace {

// Une copie de travail, refaite pour chaque banc : le fichier livré n'est jamais touché.
class Copie {
public:
    Copie()
    {
        const QString livre = qEnvironmentVariable("KALVORO_DOSSIER") + "/Scores.dat";
        if (!QFile::copy(livre, Chemin()))
            throw ErreurScores("copie impossible de " + livre);
    }
    QString Chemin() const { return dossier.filePath("Scores.dat"); }

private:
    QTemporaryDir dossier;
};

void Ouverture(benchmark::State &etat)
{
    const Copie copie;
    for (auto _ : etat) {
        MagasinSqlcipher base(copie.Chemin());
        benchmark::DoNotOptimize(&base);
    }
}
BENCHMARK(Ouverture)->Unit(benchmark::kMillisecond);

void LireMeilleurScore(benchmark::State &etat)
{
    const Copie copie;
    MagasinSqlcipher base(copie.Chemin());
    for (auto _ : etat)
        benchmark::DoNotOptimize(base.LireMeilleurScore("Cinéma"));
}
BENCHMARK(LireMeilleurScore)->Unit(benchmark::kMicrosecond);

void ListerScores(benchmark::State &etat)
{
    const Copie copie;
    MagasinSqlcipher base(copie.Chemin());
    for (auto _ : etat)
        benchmark::DoNotOptimize(base.ListerScores("Cinéma"));
}
BENCHMARK(ListerScores)->Unit(benchmark::kMicrosecond);

// Ce que fait le dialogue de saisie : plus mauvais score, remplacement, meilleur score. Chaque
// score est plus bas que le précédent, donc chaque tour écrit vraiment (synchronous = EXTRA).
void InscriptionEntiere(benchmark::State &etat)
{
    const Copie copie;
    MagasinSqlcipher base(copie.Chemin());
    int score = 30;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(base.LirePlusMauvaisScore("Animaux"));
        base.RemplacerPlusMauvais("Animaux", "BANC", "Essai", --score, QDate(2026, 1, 1));
        benchmark::DoNotOptimize(base.LireMeilleurScore("Animaux"));
    }
}
BENCHMARK(InscriptionEntiere)->Unit(benchmark::kMillisecond);

// Le prix de synchronous = EXTRA (le dossier synchronisé après l'effacement du journal, pour
// qu'une coupure de courant ne fasse pas revenir la dernière inscription) : la même écriture
// nue, transaction comprise, en FULL (argument 0) puis en EXTRA (argument 1).
void Synchronisation(benchmark::State &etat)
{
    const Copie copie;
    Connexion connexion(copie.Chemin());
    connexion.Cle("qzm472"); // le mot de passe du fichier livré
    connexion.Executer(etat.range(0) ? "PRAGMA synchronous = EXTRA" : "PRAGMA synchronous = FULL");
    qint64 score = 1000000;
    for (auto _ : etat) {
        Transaction transaction(connexion, "BEGIN IMMEDIATE");
        Instruction ecriture(connexion.Base(), "UPDATE \"Animaux\" SET SCORE = ?1 WHERE rowid = 1");
        ecriture.Lier(1, --score);
        ecriture.Avancer();
        transaction.Valider();
    }
    etat.SetLabel(etat.range(0) ? "EXTRA" : "FULL");
}
BENCHMARK(Synchronisation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Un score qui n'entre pas : la transaction s'ouvre et se referme sans rien écrire.
void InscriptionRefusee(benchmark::State &etat)
{
    const Copie copie;
    MagasinSqlcipher base(copie.Chemin());
    for (auto _ : etat)
        benchmark::DoNotOptimize(
            base.RemplacerPlusMauvais("Animaux", "BANC", "Essai", 999, QDate(2026, 1, 1)));
}
BENCHMARK(InscriptionRefusee)->Unit(benchmark::kMicrosecond);

// Ce que paie le joueur qui demande pour la première fois les scores d'une autre taille : le
// fichier de cette taille écrit à côté de Scores.dat, contrôlé, posé, puis ouvert (deux
// dérivations de clé, le fichier neuf ayant son propre sel).
void PremiereOuvertureTaille(benchmark::State &etat)
{
    for (auto _ : etat) {
        etat.PauseTiming();
        auto dossier = std::make_unique<QTemporaryDir>();
        etat.ResumeTiming();
        benchmark::DoNotOptimize(
            OuvrirScoresTaille(dossier->filePath("Scores-4x3.dat"))->ListerScores("Animaux"));
        etat.PauseTiming();
        dossier.reset();
        etat.ResumeTiming();
    }
}
BENCHMARK(PremiereOuvertureTaille)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
