#include "DossiersImages.h"
#include "ImagesEssai.h"
#include "ImportImages.h"
#include "NouvelleSerie.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace kalvoro;

namespace {

long RssMaximaleKio()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestImagesSerie : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;

    QString Fichier(const QString &nom, const QByteArray &contenu)
    {
        const QString chemin = dossier.filePath(nom);
        if (!essai::Ecrire(chemin, contenu))
            qFatal("Impossible d'écrire %s", qPrintable(chemin));
        return chemin;
    }

    // Un dossier de photos numérotées, lu comme le joueur le choisirait : dans l'ordre naturel
    // (la 10 après la 9), l'extension en majuscules ou non, et une photo HEIC que Qt ne sait
    // pas lire ici, qui doit être lue (et dite illisible) plutôt qu'ignorée.
    QStringList Suite(const QString &prefixe, int nombre)
    {
        QDir(dossier.path()).mkdir(prefixe);
        for (int k = 0; k < nombre; ++k)
            Fichier(QStringLiteral("%1/%1-%2.%3").arg(prefixe).arg(k).arg(k % 2 ? "JPG" : "jpg"),
                    essai::EnJpeg(essai::ImageNumero(k), 100));
        Fichier(prefixe + QStringLiteral("/IMG_0001.HEIC"), QByteArray("\0\0\0\x18"
                                                                       "ftypheic",
                                                                       12));
        return ImagesDuDossier(dossier.filePath(prefixe));
    }

    static void Ligne(const char *cas, const QStringList &fichiers, int lues, int ajoutees,
                      bool peutCreer, const QColor &coin = {}, const QString &nom = {})
    {
        QTest::newRow(cas) << fichiers << lues << ajoutees << peutCreer << coin << nom;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dossier.isValid());
        // Bien en dessous d'une photo de téléphone décodée en entier (48 Mo) : l'essai de la
        // photo de 48 mégapixels échoue si elle n'est pas réduite dès le décodage.
        QImageReader::setAllocationLimit(16);
    }

    // Chaque ligne : des fichiers lus par l'import, puis proposés à la série en cours.
    void import_data()
    {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<int>("lues");
        QTest::addColumn<int>("ajoutees");
        QTest::addColumn<bool>("peutCreer");
        QTest::addColumn<QColor>("coin"); // la couleur en haut à gauche de la première image
        QTest::addColumn<QString>("nom"); // le nom de la dernière image gardée
        const QImage photo = essai::ImageQuarts(1600, 1200);
        const QList<std::pair<int, QColor>> orientations{
            {1, Qt::red}, {3, Qt::yellow}, {6, Qt::blue}, {8, Qt::green}};
        for (const auto &[orientation, coin] : orientations)
            Ligne(qPrintable(QStringLiteral("orientation EXIF %1").arg(orientation)),
                  {Fichier(QStringLiteral("mamie_au-jardin %1.jpg").arg(orientation),
                           essai::JpegOriente(photo, orientation))},
                  1, 1, false, coin, QStringLiteral("mamie au jardin %1").arg(orientation));
        Ligne("48 mégapixels",
              {Fichier("grande.jpg", essai::EnJpeg(essai::ImageQuarts(8000, 6000), 50))}, 1, 1,
              false, Qt::red);
        const QByteArray jpeg = essai::EnJpeg(photo);
        Ligne("JPEG tronqué", {Fichier("tronque.jpg", jpeg.left(jpeg.size() / 2))}, 0, 0, false);
        // Comme une photo animée : la vidéo suit la fin du JPEG.
        Ligne("JPEG progressif suivi d'autres données",
              {Fichier("anime.jpg", essai::EnJpeg(photo, 90, true) + QByteArray(5000, '\xff'))}, 1,
              1, false, Qt::red);
        Ligne("texte nommé .jpg", {Fichier("texte.jpg", "Ceci n'est pas une image.\n")}, 0, 0,
              false);
        Ligne("fichier vide", {Fichier("vide.png", {})}, 0, 0, false);
        Ligne("la même photo deux fois", {Fichier("a.jpg", jpeg), Fichier("b.jpg", jpeg)}, 2, 1,
              false, Qt::red);
        const QStringList moins = Suite("moins", 5), assez = Suite("assez", 6);
        QVERIFY(moins.size() == 6 && assez.last().endsWith(QLatin1String("IMG_0001.HEIC")));
        Ligne("5 images et une HEIC", moins, 5, 5, false, {}, "moins 4");
        Ligne("6 images et une HEIC", assez, 6, 6, true, {}, "assez 5");
        // Des copies d'une même photo : une seule compte, sous le nom de l'original.
        const QImage scene = essai::Scene(.2);
        Ligne("réenregistrée à une autre qualité",
              {Fichier("chat (1).jpg", essai::EnJpeg(scene, 40)),
               Fichier("chat.jpg", essai::EnJpeg(scene, 92))},
              2, 1, false, {}, "chat");
        QVERIFY(scene.scaled(480, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .save(dossier.filePath("Copie de jardin.png")));
        Ligne(
            "réduite de moitié",
            {Fichier("jardin.jpg", essai::EnJpeg(scene)), dossier.filePath("Copie de jardin.png")},
            2, 1, false, {}, "jardin");
        Ligne("un peu recadrée",
              {Fichier("maison - Copie.jpg", essai::EnJpeg(scene.copy(24, 18, 912, 684))),
               Fichier("maison.jpg", essai::EnJpeg(scene))},
              2, 1, false, {}, "maison");
        Ligne("même scène, quelqu'un a bougé",
              {Fichier("avant.jpg", essai::EnJpeg(scene)),
               Fichier("apres.jpg", essai::EnJpeg(essai::Scene(.45)))},
              2, 2, false, {}, "apres");
        Ligne("portrait debout : la tête reste",
              {Fichier("debout.jpg", essai::EnJpeg(essai::Portrait()))}, 1, 1, false, Qt::red);
        QByteArray webp;
        QBuffer tampon(&webp);
        QVERIFY(tampon.open(QIODevice::WriteOnly) && QImageWriter(&tampon, "webp").write(photo));
        Ligne("WebP", {Fichier("photo.webp", webp)}, 1, 1, false, Qt::red);
        Ligne("SVG",
              {Fichier("dessin.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='40' "
                                     "height='30'><rect width='20' height='15' fill='red'/>"
                                     "<rect x='20' width='20' height='30' fill='lime'/>"
                                     "<rect y='15' width='20' height='15' fill='blue'/></svg>")},
              1, 1, false, Qt::red);
    }

    void import()
    {
        QFETCH(QStringList, fichiers);
        QFETCH(int, lues);
        QFETCH(int, ajoutees);
        QFETCH(bool, peutCreer);
        QFETCH(QColor, coin);
        QFETCH(QString, nom);
        QFuture<ImageLue> import = LancerImport(fichiers);
        import.waitForFinished();
        const QList<ImageLue> resultats = import.results();
        QCOMPARE(resultats.size(), fichiers.size());
        NouvelleSerie serie;
        int nombreLues = 0;
        for (int i = 0; i < resultats.size(); ++i) {
            QCOMPARE(resultats.at(i).source, fichiers.at(i));
            nombreLues += resultats.at(i).Lue();
            if (resultats.at(i).Lue())
                QCOMPARE(resultats.at(i).image.size(), QSize(CoteImageSerie, CoteImageSerie));
            const auto ajout = serie.Ajouter(resultats.at(i));
            QCOMPARE(ajout == NouvelleSerie::Ajout::Illisible, !resultats.at(i).Lue());
        }
        QCOMPARE(nombreLues, lues);
        QCOMPARE(serie.Nombre(), ajoutees);
        QCOMPARE(serie.PeutCreer(), peutCreer);
        if (coin.isValid()) {
            const QRgb pixel =
                serie.Images().first().image.pixel(CoteImageSerie / 10, CoteImageSerie / 10);
            QCOMPARE(QColor(qRed(pixel) > 128 ? 255 : 0, qGreen(pixel) > 128 ? 255 : 0,
                            qBlue(pixel) > 128 ? 255 : 0),
                     coin);
        }
        if (!nom.isEmpty())
            QCOMPARE(serie.Images().last().nom, nom);
    }

    // Un dossier de photos rangées par année : les sous-dossiers sont lus, sauf un dossier
    // caché, un lien vers un dossier (hors de l'arbre) et ce qui est trop profond ; le dossier
    // choisi sans image à lui n'est pas vide.
    void lesSousDossiersSontLus()
    {
        QDir racine(dossier.filePath("Photos"));
        for (const char *sous : {"2024/été", ".vignettes", "1/2/3/4/5", "dehors"})
            QVERIFY(racine.mkpath(QString::fromUtf8(sous)));
        int k = 0;
        for (const char *image : {"2024/b.jpg", "2024/a.jpg", "2024/été/c.jpg", ".vignettes/d.jpg",
                                  "1/2/3/4/5/e.jpg", "dehors/f.jpg"})
            Fichier(QStringLiteral("Photos/") + QString::fromUtf8(image),
                    essai::EnJpeg(essai::ImageNumero(++k)));
        QVERIFY(QFile::rename(racine.filePath("dehors"), dossier.filePath("dehors")));
        QVERIFY(QFile::link(dossier.filePath("dehors"), racine.filePath("lien")));
        const QStringList images = ImagesDuDossier(racine.path());
        QCOMPARE(images, (QStringList{racine.filePath("2024/a.jpg"), racine.filePath("2024/b.jpg"),
                                      racine.filePath("2024/été/c.jpg")}));
        const QList<std::pair<QString, int>> origines{{"Photos/2024", 2}, {"Photos/2024/été", 1}};
        QCOMPARE(ImagesParDossier(images, racine.path()), origines);
    }

    // Une image retirée libère sa place : la même photo, ajoutée de nouveau, n'est plus un
    // doublon.
    void retirerPuisRemettre()
    {
        const ImageLue image =
            LireImage(Fichier("seule.jpg", essai::EnJpeg(essai::ImageNumero(1))));
        NouvelleSerie serie;
        QCOMPARE(serie.Ajouter(image), NouvelleSerie::Ajout::Ajoutee);
        QCOMPARE(serie.Ajouter(image), NouvelleSerie::Ajout::Doublon);
        serie.Retirer(0);
        QCOMPARE(serie.Ajouter(image), NouvelleSerie::Ajout::Ajoutee);
        QCOMPARE(serie.Nombre(), 1);
    }

    // Des fichiers faits pour nuire, par le vrai import : chacun est refusé avec sa raison, sans
    // rien lire d'autre que lui-même, sans attendre, et sans décoder une image géante.
    void unFichierHostileEstRefuseAvecSaRaison_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<Refus>("refus");
        const QString tube = dossier.filePath("tube");
        QVERIFY(mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
        const QString secret = Fichier("secret.png", essai::EnJpeg(essai::ImageNumero(7)));
        const auto svg = [this](const char *nom, const QString &href) {
            return Fichier(nom, "<svg xmlns='http://www.w3.org/2000/svg' "
                                "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' "
                                "height='40'><image width='40' height='40' xlink:href='" +
                                    href.toUtf8() + "'/></svg>");
        };
        QTest::newRow("SVG qui se nomme") << svg("moi.svg", "moi.svg") << Refus::RenvoiExterne;
        QTest::newRow("SVG qui nomme un tube") << svg("t.svg", tube) << Refus::RenvoiExterne;
        QTest::newRow("SVG qui nomme un chemin absolu")
            << svg("abs.svg", secret) << Refus::RenvoiExterne;
        QTest::newRow("SVG qui nomme /etc/passwd en style")
            << Fichier("style.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='9' "
                                    "height='9'><rect style='fill:url(/etc/passwd)'/></svg>")
            << Refus::RenvoiExterne;
        QByteArray png;
        QBuffer tampon(&png);
        QVERIFY(tampon.open(QIODevice::WriteOnly) && essai::ImageNumero(3).save(&tampon, "png"));
        QTest::newRow("SVG qui contient son image")
            << svg("data.svg", "data:image/png;base64," + QString::fromLatin1(png.toBase64()))
            << Refus::Aucun;
        QTest::newRow("tube") << tube << Refus::PasUnFichier;
        QTest::newRow("absent") << dossier.filePath("absent.jpg") << Refus::Introuvable;
        // 15000 × 15000 pixels en quelques Kio : décodés, ils prendraient près d'un Gio.
        QImage geante(15000, 15000, QImage::Format_Mono);
        geante.fill(0);
        // L'écriture en TIFF de Qt 6.8 passe elle aussi par la limite des lecteurs : levée le
        // temps d'écrire les bombes.
        const int limite = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(0);
        for (const char *format : {"png", "tiff"}) {
            const QString chemin = dossier.filePath(QStringLiteral("bombe.") + format);
            QVERIFY(geante.save(chemin, format));
            QTest::addRow("bombe %s", format) << chemin << Refus::TropGrande;
        }
        QImageReader::setAllocationLimit(limite);
    }
    void unFichierHostileEstRefuseAvecSaRaison()
    {
        QFETCH(QString, fichier);
        QFETCH(Refus, refus);
        const long avant = RssMaximaleKio();
        QFuture<ImageLue> import = LancerImport({fichier});
        import.waitForFinished();
        QCOMPARE(import.resultAt(0).refus, refus);
        QCOMPARE(import.resultAt(0).Lue(), refus == Refus::Aucun);
        QVERIFY2(RssMaximaleKio() - avant < 100 * 1024, "une image géante a été décodée");
    }
};

QTEST_GUILESS_MAIN(TestImagesSerie)
#include "tst_images_serie.moc"
