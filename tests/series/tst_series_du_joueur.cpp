#include "FauxMagasin.h"
#include "ImagesEssai.h"
#include "ImportImages.h"
#include "NomsSerie.h"
#include "SeriesDuJoueur.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>
#include <utime.h>

using namespace kalvoro;

namespace {

QList<ImageLue> Images(int nombre)
{
    QList<ImageLue> images;
    for (int k = 0; k < nombre; ++k)
        images.append({QString(),
                       QStringLiteral("image %1").arg(k),
                       essai::ImageNumero(k, CoteImageSerie),
                       {}});
    return images;
}

void ScoresVides(const QString &chemin)
{
    if (!essai::Ecrire(chemin, "scores"))
        throw std::runtime_error("scores non écrits");
}

// Tout ce que le dossier contient, fichiers cachés compris, chemins relatifs.
QStringList Contenu(const QString &dossier)
{
    QStringList contenu;
    QDirIterator parcours(dossier, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
    while (parcours.hasNext())
        contenu.append(QDir(dossier).relativeFilePath(parcours.next()));
    contenu.sort();
    return contenu;
}

} // namespace

class TestSeriesDuJoueur : public QObject {
    Q_OBJECT

private slots:
    // Une création réussit entière ou ne laisse rien ; une série n'est listée qu'une fois
    // entière.
    void creation_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<bool>("scoresLevent");
        QTest::addColumn<QString>("nomListe"); // vide : la création doit échouer
        QTest::newRow("ordinaire") << "Mamie" << 24 << false << "Mamie";
        QTest::newRow("barre, guillemets et fin de ligne")
            << "  Chats / \"chiens\"\n d'Élise " << 30 << false << "Chats / \"chiens\" d'Élise";
        QTest::newRow("les scores lèvent") << "Mamie" << 24 << true << "";
        QTest::newRow("nom de blancs") << " \t " << 24 << false << "";
        QTest::newRow("5 images") << "Mamie" << 5 << false << "";
    }

    void creation()
    {
        QFETCH(QString, nom);
        QFETCH(int, nombre);
        QFETCH(bool, scoresLevent);
        QFETCH(QString, nomListe);
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        bool pendant = false;
        const auto scores = [&](const QString &chemin) {
            pendant = true;
            QVERIFY(series.Lister().isEmpty());
            QVERIFY(chemin.contains(QLatin1String("/.creation-")));
            ScoresVides(chemin);
            if (scoresLevent)
                throw std::runtime_error("disque plein");
        };
        try {
            const Serie serie = series.Creer(nom, Images(nombre), scores);
            QVERIFY2(!nomListe.isEmpty(), "la création aurait dû échouer");
            QVERIFY(pendant);
            QStringList attendu{serie.Id, serie.Id + "/Scores.dat", serie.Id + "/serie.json"};
            for (int k = 1; k <= nombre; ++k)
                attendu.append(serie.Id + QStringLiteral("/%1.png").arg(k, 2, 10, QChar('0')));
            attendu.sort();
            QCOMPARE(Contenu(racine.path()), attendu);
            const QList<Serie> liste = series.Lister();
            QCOMPARE(liste.size(), 1);
            QCOMPARE(liste.first().Nom, nomListe);
            QCOMPARE(liste.first().NomsImages.last(), QStringLiteral("image %1").arg(nombre - 1));
            QCOMPARE(QImage(liste.first().Images.first()), Images(1).first().image);
        } catch (const ErreurSerie &erreur) {
            QVERIFY2(nomListe.isEmpty(), qPrintable(erreur.Message()));
            QCOMPARE(Contenu(racine.path()), QStringList());
            if (scoresLevent)
                QVERIFY(erreur.Message().contains(QLatin1String("disque plein")));
        }
    }

    // Ce qu'un lancement tué a laissé, vieux de plus de dix minutes, part à la création
    // suivante ; une création en cours ailleurs reste ; une série incomplète n'est pas listée.
    void restes()
    {
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        for (const char *reste : {"/.creation-vieux/01.png", "/.suppression-0123-ab/serie.json",
                                  "/.creation-recent/01.png"})
            QVERIFY(QDir().mkpath(QFileInfo(racine.path() + reste).path()) &&
                    essai::Ecrire(racine.path() + reste, "x"));
        const utimbuf hier{time(nullptr) - 86400, time(nullptr) - 86400};
        for (const char *vieux : {"/.creation-vieux", "/.suppression-0123-ab"})
            QCOMPARE(utime(QFile::encodeName(racine.path() + vieux).constData(), &hier), 0);
        const Serie serie = series.Creer("Mamie", Images(25), ScoresVides);
        QVERIFY(QFile::remove(serie.Images.at(3)));
        QCOMPARE(Contenu(racine.path()).filter(QRegularExpression("^[^/]+$")),
                 (QStringList{".creation-recent", serie.Id}));
        QVERIFY(series.Lister().isEmpty());
    }

    // Renommer garde les images et change l'ordre de la liste ; supprimer efface tout.
    void renommerEtSupprimer()
    {
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        const QString zebre = series.Creer("zèbre", Images(24), ScoresVides).Id;
        const QString ete = series.Creer("Été", Images(24), ScoresVides).Id;
        const auto noms = [&series] {
            QStringList liste;
            for (const Serie &serie : series.Lister())
                liste.append(serie.Nom);
            return liste;
        };
        QCOMPARE(noms(), (QStringList{"Été", "zèbre"}));
        series.Renommer(zebre, "abeilles");
        QCOMPARE(noms(), (QStringList{"abeilles", "Été"}));
        QVERIFY_THROWS_EXCEPTION(ErreurSerie, series.Renommer("../" + zebre, "x"));
        QVERIFY_THROWS_EXCEPTION(ErreurSerie, series.Renommer(ete, "\n"));
        series.Supprimer(zebre);
        QCOMPARE(noms(), QStringList{"Été"});
        QCOMPARE(Contenu(racine.path()).filter(zebre), QStringList());
        QVERIFY_THROWS_EXCEPTION(ErreurSerie, series.Supprimer(zebre));
    }

    // Les scores d'une série du joueur qui ne se lisent ou ne s'écrivent plus : l'échec nomme la
    // série (jamais sa clé) et se dit sans arrêter le jeu ; Scores.dat reste utilisable.
    void unEchecDesScoresDUneSerieLaNommeEtLaisseJouer_data()
    {
        QTest::addColumn<QString>("faute");
        QTest::addColumn<bool>("inscrire");
        for (const char *faute :
             {"supprimée par un autre Kalvoro", "effacée à la main", "abîmée"}) {
            QTest::addRow("%s, lecture", faute) << faute << false;
            QTest::addRow("%s, inscription", faute) << faute << true;
        }
    }
    void unEchecDesScoresDUneSerieLaNommeEtLaisseJouer()
    {
        QFETCH(QString, faute);
        QFETCH(bool, inscrire);
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        const QString id = series.Creer("Mamie « Jo »", Images(24)).Id;
        const Serie serie = series.Relire().first();
        auto six = std::make_unique<FauxMagasin>();
        six->Remplir(QStringLiteral("Animaux"), {30});
        const auto magasin = series.AvecLesSix(std::move(six));
        QCOMPARE(magasin->LireMeilleurScore(serie.Palmares()), QString()); // ouvert, puis la faute
        const QString dossier = racine.filePath(id);
        if (faute.startsWith("supprimée"))
            SeriesDuJoueur(racine.path()).Supprimer(id);
        else if (faute.startsWith("effacée"))
            QVERIFY(QDir(dossier).removeRecursively());
        else
            QVERIFY(essai::Ecrire(dossier + "/Scores.dat", QByteArray(4096, 'x')));
        try {
            if (inscrire)
                magasin->RemplacerPlusMauvais(serie.Palmares(), "N", "P", 30, QDate(2026, 1, 2));
            else
                magasin->LireMeilleurScore(serie.Palmares());
            QFAIL("l'échec n'a pas été levé");
        } catch (const ErreurScores &erreur) {
            QVERIFY2(erreur.DUneSerieDuJoueur(), erreur.what());
            QVERIFY2(erreur.Message().contains(serie.Nom), erreur.what());
            QVERIFY2(!erreur.Message().contains(serie.Palmares()), erreur.what());
        }
        QCOMPARE(magasin->LireMeilleurScore("Animaux"), QStringLiteral("30"));
    }

    // Un disque qui se remplit en pleine écriture (une limite de taille des fichiers, ici) : la
    // série est entière ou absente, jamais créée avec une image vide ; un renommage raté garde
    // l'ancien nom, et la série reste dans la liste.
    void uneEcritureRateeNeLaissePasDeSerieAMoitie_data()
    {
        QTest::addColumn<bool>("renommage");
        QTest::newRow("création") << false;
        QTest::newRow("renommage") << true;
    }
    void uneEcritureRateeNeLaissePasDeSerieAMoitie()
    {
        QFETCH(bool, renommage);
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        const QString id = renommage ? series.Creer("Mamie", Images(24), ScoresVides).Id : "";
        series.Relire();
        const auto ecrire = [&] {
            if (renommage)
                series.Renommer(id, "Papi");
            else
                series.Creer("Papi", Images(24), ScoresVides);
        };
        signal(SIGXFSZ, SIG_IGN);
        rlimit limite{}, petite{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limite), 0);
        petite = {200, limite.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &petite), 0);
        bool leve = false;
        try {
            ecrire();
        } catch (const ErreurSerie &) {
            leve = true;
        }
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        QVERIFY(leve);
        const QList<Serie> liste = series.Lister();
        QCOMPARE(liste.size(), renommage ? 1 : 0);
        QVERIFY(!renommage || liste.first().Nom == "Mamie");
        QCOMPARE(Contenu(racine.path()).filter(".creation"), QStringList());
    }

    // Un serie.json retouché : cent mille images, un nom de 200 000 caractères, des marques qui
    // renversent le texte. La liste ne se lit pas plus lentement qu'avec une série ordinaire de
    // 25 images (à un rapport près, pas en secondes), et ce qu'elle montre reste borné.
    void uneDescriptionRetoucheeResteBorneeEtRapide()
    {
        QTemporaryDir racine;
        SeriesDuJoueur series(racine.path());
        const QString id = series.Creer("Mamie", Images(25), ScoresVides).Id;
        QElapsedTimer chrono;
        chrono.start();
        QCOMPARE(series.Lister().size(), 1);
        const qint64 ordinaire = std::max<qint64>(chrono.nsecsElapsed(), 1000000);
        QFile description(racine.filePath(id + "/serie.json"));
        QVERIFY(description.open(QIODevice::ReadOnly));
        QJsonObject objet = QJsonDocument::fromJson(description.readAll()).object();
        QJsonArray images = objet["images"].toArray();
        images[0] = QJsonObject{{"fichier", "01.png"}, {"nom", QString(200000, 'x')}};
        objet["images"] = images;
        objet["nom"] = QStringLiteral("\u202Egpj.exe\nMamie");
        QVERIFY(essai::Ecrire(description.fileName(), QJsonDocument(objet).toJson()));
        const QList<Serie> relue = series.Lister();
        QCOMPARE(relue.size(), 1);
        QCOMPARE(relue.first().Nom, QStringLiteral("gpj.exe Mamie"));
        QCOMPARE(relue.first().NomsImages.first().size(), LongueurNomImage);
        for (int k = 25; k < 100000; ++k)
            images.append(QJsonObject{{"fichier", QStringLiteral("%1.png").arg(k)}, {"nom", "x"}});
        objet["images"] = images;
        QVERIFY(essai::Ecrire(description.fileName(),
                              QJsonDocument(objet).toJson(QJsonDocument::Compact)));
        chrono.restart();
        QCOMPARE(series.Lister().size(), 0);
        QVERIFY2(chrono.nsecsElapsed() < 50 * ordinaire,
                 qPrintable(QString::number(chrono.elapsed())));
    }

    // Arrêté après ses premiers résultats, l'import finit sans lire le reste ni rien écrire.
    void annulation()
    {
        QTemporaryDir racine;
        const QString photo = racine.filePath("photo.jpg");
        QVERIFY(essai::Ecrire(photo, essai::EnJpeg(essai::ImageQuarts(1600, 1200))));
        const QStringList fichiers(2000, photo);
        QFuture<ImageLue> import = LancerImport(fichiers);
        QTRY_VERIFY(import.resultCount() > 0);
        import.cancel();
        import.waitForFinished();
        QVERIFY(import.isFinished() && import.isCanceled());
        QVERIFY(import.progressValue() < fichiers.size());
        QCOMPARE(Contenu(racine.path()), QStringList{"photo.jpg"});
    }
};

QTEST_GUILESS_MAIN(TestSeriesDuJoueur)
#include "tst_series_du_joueur.moc"
