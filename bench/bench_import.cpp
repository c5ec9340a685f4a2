// L'import de 200 photos de téléphone (4032 × 3024, JPEG qualité 90, une sur quatre tournée par
// l'EXIF) : lecture sur l'autre fil jusqu'au dernier résultat, chacune ajoutée à la série en
// cours, puis la création de la série sur le disque. Donne les durées et la mémoire résidente
// maximale avant et après. Les photos sont faites par un processus enfant, avant toute mesure :
// leur fabrication, qui tient des images entières en mémoire, ne compte ni dans le temps ni
// dans la mémoire du banc. Enfin, la fenêtre « Ma série » lit les mêmes photos pendant qu'un tic
// d'une milliseconde du fil principal note son plus long arrêt : au-delà de 50 ms, la fenêtre
// ne répond plus au joueur.
#include "../tests/helpers/SansAvisDePlateforme.h"
#include "../tests/series/ImagesEssai.h"
#include "DossiersImages.h"
#include "FenetreSerie.h"
#include "ImportImages.h"
#include "NouvelleSerie.h"
#include "SeriesDuJoueur.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace kalvoro;

namespace {

constexpr int NombrePhotos = 200;

// Le grain d'un capteur : sans lui, un JPEG de dégradés et d'aplats pèse dix fois moins qu'une
// vraie photo, et se décode d'autant plus vite.
void Bruiter(QImage &image, QRandomGenerator &hasard)
{
    const auto grain = [](int canal, quint32 bruit) {
        return std::clamp(canal + static_cast<int>(bruit & 31) - 16, 0, 255);
    };
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 bruit = hasard.generate();
            ligne[x] = qRgb(grain(qRed(ligne[x]), bruit), grain(qGreen(ligne[x]), bruit >> 8),
                            grain(qBlue(ligne[x]), bruit >> 16));
        }
    }
}

QImage Photo(int numero)
{
    QRandomGenerator hasard(static_cast<quint32>(numero) + 1);
    QImage image(4032, 3024, QImage::Format_RGB32);
    QPainter peintre(&image);
    QLinearGradient fond(0, 0, image.width(), image.height());
    fond.setColorAt(0, QColor::fromRgb(hasard.generate()));
    fond.setColorAt(1, QColor::fromRgb(hasard.generate()));
    peintre.fillRect(image.rect(), fond);
    peintre.setPen(Qt::NoPen);
    for (int forme = 0; forme < 40; ++forme) {
        peintre.setBrush(QColor::fromRgb(hasard.generate()));
        peintre.drawEllipse(hasard.bounded(image.width()), hasard.bounded(image.height()),
                            hasard.bounded(100, 1200), hasard.bounded(100, 1200));
    }
    peintre.end();
    Bruiter(image, hasard);
    return image;
}

int Fabriquer(int argc, char *argv[], const QString &dossier)
{
    kalvoro::TaireLesAvisDuGreffonSansEcran();
    QApplication application(argc, argv);
    std::vector<int> numeros(NombrePhotos);
    std::iota(numeros.begin(), numeros.end(), 0);
    QtConcurrent::blockingMap(numeros, [&dossier](int numero) {
        const QByteArray jpeg = essai::JpegOriente(Photo(numero), numero % 4 == 3 ? 6 : 0, 90);
        essai::Ecrire(dossier + QStringLiteral("/IMG_%1.jpg").arg(numero, 4, 10, QChar('0')), jpeg);
    });
    return QDir(dossier).entryList(QDir::Files).size() == NombrePhotos ? 0 : 1;
}

double RssMaximaleMio()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Le plus long arrêt du fil principal, en millisecondes, pendant que la fenêtre lit ces photos :
// le plus grand écart entre deux tics d'une milliseconde, du début de la lecture à sa fin.
double PlusLongArretMs(const QStringList &fichiers, SeriesDuJoueur &series)
{
    FenetreSerie fenetre(series);
    fenetre.show();
    const auto *arreter = fenetre.findChild<QPushButton *>(QStringLiteral("Arreter"));
    QEventLoop boucle;
    QElapsedTimer depuis;
    qint64 pire = 0;
    QTimer tic;
    tic.setInterval(1);
    QObject::connect(&tic, &QTimer::timeout, &boucle, [&] {
        pire = std::max(pire, depuis.nsecsElapsed());
        depuis.start();
        if (!arreter->isVisible())
            boucle.quit();
    });
    depuis.start();
    fenetre.Preremplir(fichiers, QStringLiteral("Photos"));
    tic.start();
    boucle.exec();
    return static_cast<double>(pire) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir photos;
    std::printf("Fabrication de %d photos 4032 × 3024 dans %s…\n", NombrePhotos,
                qPrintable(photos.path()));
    std::fflush(stdout);
    const pid_t enfant = fork();
    if (enfant == 0)
        _exit(Fabriquer(argc, argv, photos.path()));
    int etat = 0;
    if (enfant < 0 || waitpid(enfant, &etat, 0) != enfant || etat != 0)
        return 1;

    kalvoro::TaireLesAvisDuGreffonSansEcran();
    QApplication application(argc, argv);
    const QStringList fichiers = ImagesDuDossier(photos.path());
    qint64 octets = 0;
    for (const QString &fichier : fichiers)
        octets += QFileInfo(fichier).size();
    std::printf("Taille moyenne d'une photo : %.1f Mio\n",
                static_cast<double>(octets) / static_cast<double>(fichiers.size()) / 1048576.0);
    std::printf("RSS maximale avant l'import : %.1f Mio\n", RssMaximaleMio());
    QElapsedTimer chrono;
    chrono.start();
    QFuture<ImageLue> import = LancerImport(fichiers);
    NouvelleSerie serie;
    for (int i = 0; i < fichiers.size(); ++i)
        serie.Ajouter(import.resultAt(i));
    import.waitForFinished();
    const double dureeImport = static_cast<double>(chrono.nsecsElapsed()) / 1e9;
    std::printf("Import de %lld photos (%d gardées) : %.2f s, %.1f ms par photo\n",
                static_cast<long long>(fichiers.size()), serie.Nombre(), dureeImport,
                dureeImport * 1000 / static_cast<double>(fichiers.size()));
    std::printf("RSS maximale après l'import : %.1f Mio\n", RssMaximaleMio());

    QTemporaryDir dossier;
    SeriesDuJoueur series(dossier.path());
    chrono.restart();
    series.Creer(QStringLiteral("Photos"), serie.Images(),
                 [](const QString &chemin) { essai::Ecrire(chemin, {}); });
    std::printf("Création de la série : %.2f s\n",
                static_cast<double>(chrono.nsecsElapsed()) / 1e9);
    std::printf("RSS maximale à la fin : %.1f Mio\n", RssMaximaleMio());
    std::printf("Plus long arrêt du fil principal pendant que « Ma série » lit les photos : "
                "%.1f ms\n",
                PlusLongArretMs(fichiers, series));
    return serie.Nombre() == NombrePhotos ? 0 : 1;
}
