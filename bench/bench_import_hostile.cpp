// La mémoire de l'import devant des dossiers qui n'ont rien d'un album : cinq mille petites
// images (la série en garde au plus MaximumImagesSerie), puis quatre bombes TIFF lues ensemble
// (15000 × 15000 pixels chacune en quelques Kio). Chaque cas tourne dans son propre processus,
// pour que sa mémoire résidente maximale soit la sienne ; les fichiers sont faits avant, par un
// autre processus encore.
#include "../tests/series/ImagesEssai.h"
#include "ImportImages.h"
#include "NouvelleSerie.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kalvoro;

namespace {

constexpr int NombrePetites = 5000;
constexpr int NombreBombes = 4;

double RssMaximaleMio()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Lance le travail dans un processus à lui, avec sa propre application ; rend son statut.
int DansUnProcessus(int argc, char *argv[], const std::function<int()> &travail)
{
    std::fflush(stdout);
    const pid_t enfant = fork();
    if (enfant == 0) {
        QGuiApplication application(argc, argv);
        const int statut = travail();
        std::fflush(stdout); // _exit ne vide pas les tampons
        _exit(statut);
    }
    int etat = 0;
    return enfant > 0 && waitpid(enfant, &etat, 0) == enfant && WIFEXITED(etat) ? WEXITSTATUS(etat)
                                                                                : 1;
}

int FabriquerPetites(const QString &dossier)
{
    for (int k = 0; k < NombrePetites; ++k)
        essai::Ecrire(dossier + QStringLiteral("/petite_%1.jpg").arg(k),
                      essai::EnJpeg(essai::ImageNumero(k, 320), 80));
    return 0;
}

int FabriquerBombes(const QString &dossier)
{
    QImage bombe(15000, 15000, QImage::Format_Mono);
    bombe.fill(0);
    for (int k = 0; k < NombreBombes; ++k) {
        QImageWriter ecrivain(dossier + QStringLiteral("/bombe_%1.tif").arg(k), "tiff");
        ecrivain.setCompression(1);
        if (!ecrivain.write(bombe))
            return 1;
    }
    return 0;
}

// L'import comme le fait la fenêtre : les images prises dans l'ordre, jusqu'à la série pleine.
int Importer(const QString &dossier, const char *cas)
{
    const QStringList fichiers = QDir(dossier).entryList(QDir::Files);
    QStringList chemins;
    for (const QString &fichier : fichiers)
        chemins << dossier + QLatin1Char('/') + fichier;
    const double avant = RssMaximaleMio();
    QElapsedTimer chrono;
    chrono.start();
    QFuture<ImageLue> import = LancerImport(chemins);
    NouvelleSerie serie;
    int refusees = 0;
    for (int i = 0; i < chemins.size() && !import.isCanceled(); ++i) {
        const auto ajout = serie.Ajouter(import.resultAt(i));
        refusees += ajout == NouvelleSerie::Ajout::Illisible;
        if (ajout == NouvelleSerie::Ajout::Pleine)
            import.cancel();
    }
    import.waitForFinished();
    std::printf("%s : %lld fichiers, %d gardés, %d refusés, %.2f s ; RSS maximale %.1f Mio "
                "(%.1f Mio avant l'import)\n",
                cas, static_cast<long long>(chemins.size()), serie.Nombre(), refusees,
                static_cast<double>(chrono.nsecsElapsed()) / 1e9, RssMaximaleMio(), avant);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir petites, bombes;
    std::printf("Fabrication de %d petites images et de %d bombes TIFF…\n", NombrePetites,
                NombreBombes);
    if (DansUnProcessus(argc, argv, [&] { return FabriquerPetites(petites.path()); }) != 0 ||
        DansUnProcessus(argc, argv, [&] { return FabriquerBombes(bombes.path()); }) != 0)
        return 1;
    const int statut =
        DansUnProcessus(argc, argv, [&] { return Importer(petites.path(), "Petites images"); });
    return statut |
           DansUnProcessus(argc, argv, [&] { return Importer(bombes.path(), "Bombes TIFF"); });
}
