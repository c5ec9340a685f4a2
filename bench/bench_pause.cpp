// La durée de la pause d'un tour sur la vraie fenêtre Jeu et sa vraie minuterie : du clic sur
// la seconde carte au retour des deux cartes, sur 200 tours manqués. Elle ne doit jamais
// descendre sous 8 × 100 ms ; le banc donne le minimum, la médiane et le maximum.
// "--grossiere" mesure la même chose avec une minuterie grossière, pour comparer.
#include "Jeu.h"
#include "MagasinSqlcipher.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kalvoro;

namespace {

constexpr int NombreDeTours = 200;

// Un tour manqué (cartes 1 et 2 de la donne forcée) ; rend la pause en millisecondes, ou -1
// si elle ne finit pas.
double MesurerUnTour(Jeu &jeu, QTimer &minuterie)
{
    QEventLoop boucle;
    QElapsedTimer chrono;
    double duree = -1;
    // Branché après Jeu : appelé une fois le tic de Jeu joué, donc les cartes retournées.
    const auto lien = QObject::connect(&minuterie, &QTimer::timeout, &boucle, [&] {
        if (!jeu.LaPartie().EnPause()) {
            duree = static_cast<double>(chrono.nsecsElapsed()) / 1e6;
            boucle.quit();
        }
    });
    QTimer::singleShot(5000, &boucle, &QEventLoop::quit);
    jeu.findChild<QPushButton *>(QStringLiteral("Bouton1"))->click();
    chrono.start();
    jeu.findChild<QPushButton *>(QStringLiteral("Bouton2"))->click();
    boucle.exec();
    QObject::disconnect(lien);
    return duree;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool grossiere = application.arguments().contains(QStringLiteral("--grossiere"));
    QTemporaryDir dossier;
    const QString livre = qEnvironmentVariable("KALVORO_DOSSIER") + QStringLiteral("/Scores.dat");
    if (!QFile::copy(livre, dossier.filePath(QStringLiteral("Scores.dat")))) {
        std::fprintf(stderr, "copie impossible de %s\n", qPrintable(livre));
        return 1;
    }
    Jeu jeu([](const QString &chemin) { return std::make_unique<MagasinSqlcipher>(chemin); },
            [] { return 0.0f; },
            {dossier.path() + QLatin1Char('/'), [] { return QDateTime::currentDateTime(); }});
    if (!jeu.Form_Load())
        return 1;
    jeu.show();
    jeu.findChild<QComboBox *>(QStringLiteral("ListeJeux"))->setCurrentIndex(0);
    jeu.ListeJeux_Click();
    auto &minuterie = *jeu.findChild<QTimer *>(QStringLiteral("Minuterie"));
    if (grossiere)
        minuterie.setTimerType(Qt::CoarseTimer);

    std::vector<double> pauses;
    for (int tour = 0; tour < NombreDeTours; ++tour)
        pauses.push_back(MesurerUnTour(jeu, minuterie));
    std::sort(pauses.begin(), pauses.end());
    if (pauses.front() < 0) {
        std::fprintf(stderr, "une pause n'a pas fini en 5 s\n");
        return 1;
    }
    const auto sousLeMinimum =
        std::count_if(pauses.begin(), pauses.end(), [](double ms) { return ms < 800.0; });
    std::printf("Pause d'un tour (%d tours, minuterie %s) : min %.1f ms, médiane %.1f ms, "
                "max %.1f ms ; sous 800 ms : %ld\n",
                NombreDeTours, grossiere ? "grossière" : "précise", pauses.front(),
                pauses[pauses.size() / 2], pauses.back(), static_cast<long>(sousLeMinimum));
    return 0;
}
