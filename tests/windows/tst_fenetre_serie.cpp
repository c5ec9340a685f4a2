#include "../series/ImagesEssai.h"
#include "Controles.h"
#include "FenetreSerie.h"
#include "FenetreSerieControles.h"
#include "ImportImages.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

using namespace kalvoro;

// La fenêtre « Ma série » sur de vraies images et un vrai dossier des séries, sans écran.
class TestFenetreSerie : public QObject {
    Q_OBJECT

    QTemporaryDir photos;
    QStringList fichiers; // photo01.png à photo26.png, toutes différentes

    // La fenêtre préremplie de ces photos, lecture finie.
    static void Remplir(FenetreSerie &fenetre, const QStringList &images, int attendues)
    {
        fenetre.Preremplir(images, QStringLiteral("Mamie"));
        QTRY_COMPARE(Enfant<QLabel>(&fenetre, "Compte")->text(),
                     QStringLiteral("%1 images (6 au moins)").arg(attendues));
    }

    static QStringList Noms(const QListWidget *vignettes)
    {
        QStringList noms;
        for (int ligne = 0; ligne < vignettes->count(); ++ligne)
            noms << vignettes->item(ligne)->text();
        return noms;
    }

private slots:
    void initTestCase()
    {
        TaireLesAvisDuGreffonSansEcran();
        for (int k = 1; k <= 26; ++k) {
            fichiers << photos.filePath(QStringLiteral("photo%1.png").arg(k, 2, 10, QChar('0')));
            QVERIFY(essai::ImageNumero(k).save(fichiers.last()));
        }
    }

    // Les vignettes et la série composée restent l'une en face de l'autre : les images retirées
    // sont celles choisies, et une image retirée peut revenir.
    void retirerDesImagesRetireCellesChoisies()
    {
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        FenetreSerie fenetre(series);
        fenetre.show();
        fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        Remplir(fenetre, fichiers, 26);
        auto *vignettes = Enfant<QListWidget>(&fenetre, "Vignettes");
        vignettes->setFocus();
        for (int ligne : {1, 3, 24})
            vignettes->item(ligne)->setSelected(true);
        QTest::keyClick(vignettes, Qt::Key_Delete);
        QCOMPARE(Enfant<QLabel>(&fenetre, "Compte")->text(),
                 QStringLiteral("23 images (6 au moins)"));
        QStringList restantes = Noms(vignettes);
        QCOMPARE(restantes.size(), 23);
        for (const char *partie : {"photo02", "photo04", "photo25"})
            QVERIFY(!restantes.contains(QString::fromLatin1(partie)));
        Remplir(fenetre, {fichiers[3]}, 24);
        QCOMPARE(Noms(vignettes).last(), QStringLiteral("photo04"));
    }

    // Pendant la lecture, la fenêtre reste à l'écoute : les fils des séries sont tenus occupés
    // jusqu'à ce qu'un tic du fil principal passe, « Arrêter » visible ; une fenêtre qui
    // attendrait la lecture ne finirait jamais.
    void laFenetreRepondPendantLImport()
    {
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        FenetreSerie fenetre(series);
        fenetre.show();
        QSemaphore porte;
        const int fils = FilsDesSeries().maxThreadCount();
        for (int i = 0; i < fils; ++i)
            FilsDesSeries().start([&porte] { porte.acquire(); });
        int ticsPendantLImport = 0;
        QTimer tic;
        connect(&tic, &QTimer::timeout, &fenetre, [&] {
            if (Enfant<QPushButton>(&fenetre, "Arreter")->isVisible() && !ticsPendantLImport++)
                porte.release(fils);
        });
        tic.start(1);
        Remplir(fenetre, fichiers, 26);
        QVERIFY(ticsPendantLImport > 0);
    }

    // Renommer… agit sur la série choisie et la laisse choisie ; un nom déjà pris (sans égard
    // à la casse, ou celui d'une des six) est refusé avec un message, rien ne change.
    void renommerGardeLaSerieChoisie_data()
    {
        QTest::addColumn<QString>("choisie");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("apres");
        QTest::addColumn<bool>("refus");
        QTest::newRow("renommée") << QStringLiteral("Charlie") << QStringLiteral("Anatole")
                                  << QStringList{"Alpha", "Anatole", "Bravo"} << false;
        QTest::newRow("nom d'une autre") << QStringLiteral("Bravo") << QStringLiteral("ALPHA")
                                         << QStringList{"Alpha", "Bravo", "Charlie"} << true;
        QTest::newRow("nom d'une des six") << QStringLiteral("Alpha") << QStringLiteral("animaux")
                                           << QStringList{"Alpha", "Bravo", "Charlie"} << true;
    }
    void renommerGardeLaSerieChoisie()
    {
        QFETCH(QString, choisie);
        QFETCH(QString, nom);
        QFETCH(QStringList, apres);
        QFETCH(bool, refus);
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        QList<ImageLue> images;
        for (int k = 0; k < 24; ++k)
            images.append({{}, QString::number(k), essai::ImageNumero(k, CoteImageSerie), {}});
        for (const char *serie : {"Charlie", "Alpha", "Bravo"})
            series.Creer(QString::fromLatin1(serie), images);
        series.Relire();
        FenetreSerie fenetre(series);
        fenetre.show();
        auto *liste = Enfant<QListWidget>(&fenetre, "ListeSeries");
        liste->setCurrentItem(liste->findItems(choisie, Qt::MatchExactly).value(0));
        RepondeurModales repondeur;
        repondeur.Attendre(QStringLiteral("Renommer la série"), [&nom](QWidget *boite) {
            static_cast<QInputDialog *>(boite)->setTextValue(nom);
            static_cast<QInputDialog *>(boite)->accept();
        });
        QString message;
        if (refus)
            repondeur.Attendre(QStringLiteral("Renommer la série"), [&message](QWidget *boite) {
                message = static_cast<QMessageBox *>(boite)->text();
                static_cast<QMessageBox *>(boite)->accept();
            });
        QTest::mouseClick(Enfant<QPushButton>(&fenetre, "Renommer"), Qt::LeftButton);
        QCOMPARE(repondeur.Attendues(), QStringList());
        QCOMPARE(repondeur.Imprevues, QStringList());
        QCOMPARE(Noms(liste), apres);
        QCOMPARE(liste->currentItem()->text(), refus ? choisie : nom);
        QCOMPARE(message.contains(QStringLiteral("déjà")), refus);
    }

    // À 200 % sur 1920 × 1080 (voir main), la fenêtre pleine tient dans l'écran, boutons du bas
    // compris, et ses vignettes ont deux pixels par point.
    void tientDansLEcranA200PourCent()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        FenetreSerie fenetre(series);
        fenetre.show();
        Remplir(fenetre, fichiers, 26);
        const QRect ecran = fenetre.screen()->availableGeometry();
        QCOMPARE(ecran.size(), QSize(960, 540));
        for (const char *bouton : {"CreerSerie", "Fermer"}) {
            const auto *controle = Enfant<QPushButton>(&fenetre, bouton);
            QVERIFY(ecran.contains(QRect(controle->mapToGlobal(QPoint()), controle->size())));
        }
        const QIcon vignette = Enfant<QListWidget>(&fenetre, "Vignettes")->item(0)->icon();
        QCOMPARE(vignette.pixmap(QSize(CoteVignette, CoteVignette), 2.0).size(),
                 QSize(2 * CoteVignette, 2 * CoteVignette));
        QCOMPARE(vignette.availableSizes().value(0).width(), 2 * CoteVignette);
    }

    // Une série faite, changée : une photo ajoutée, son carré mis en haut au clavier, une image
    // retirée, pas deux (6 au moins). Carré choisi écrit, série choisie, scores gardés.
    void changerUneSerieFaite()
    {
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        QList<ImageLue> images;
        for (const QString &fichier : fichiers.mid(0, 6))
            images << LireImage(fichier);
        QFile scores(dossier.filePath(series.Creer("Mamie", images).Id + "/Scores.dat"));
        const QByteArray avant = scores.open(QIODevice::ReadOnly) ? scores.readAll() : "";
        series.Relire();
        FenetreSerie fenetre(series);
        Enfant<QListWidget>(&fenetre, "ListeSeries")->setCurrentRow(0);
        Enfant<QPushButton>(&fenetre, "Modifier")->click();
        Remplir(fenetre, {}, 6);
        QVERIFY(essai::Portrait().save(photos.filePath("debout.png"))); // blanc, rouge, bleu
        Remplir(fenetre, {photos.filePath("debout.png")}, 7);
        auto *vignettes = Enfant<QListWidget>(&fenetre, "Vignettes");
        vignettes->setCurrentRow(6);
        QTest::keyClick(Enfant<QSlider>(&fenetre, "Apercu"), Qt::Key_Home);
        for (int fois = 0; fois < 2; ++fois) // la deuxième, refusée : 6 au moins
            vignettes->setCurrentRow(0), Enfant<QPushButton>(&fenetre, "RetirerImage")->click();
        Enfant<QPushButton>(&fenetre, "CreerSerie")->click();
        QTRY_VERIFY(Enfant<QLabel>(&fenetre, "Avis")->text().contains("enregistrée, avec 6"));
        QCOMPARE(QImage(series.Liste().first().Images.last()).pixelColor(96, 4), QColor(Qt::white));
        QCOMPARE(Enfant<QListWidget>(&fenetre, "ListeSeries")->currentItem()->text(), "Mamie");
        QVERIFY((scores.close(), scores.open(QIODevice::ReadOnly)) && scores.readAll() == avant);
    }

    // Un nom d'image effacé garde l'ancien : la carte a toujours quelque chose à dire.
    void unNomDImageVideGardeLAncien()
    {
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        FenetreSerie fenetre(series);
        Remplir(fenetre, fichiers, 26);
        QListWidgetItem *vignette = Enfant<QListWidget>(&fenetre, "Vignettes")->item(2);
        vignette->setText(QStringLiteral(" \t "));
        QCOMPARE(vignette->text(), QStringLiteral("photo03"));
        vignette->setText(QStringLiteral("  le chat\n"));
        QCOMPARE(vignette->text(), QStringLiteral("le chat"));
    }

    // Fermer pendant l'écriture ne fait rien : la série s'écrit entière, puis la fenêtre se
    // ferme sur elle, que le joueur retrouve dans ses séries.
    void fermerPendantLaCreationAttendLaSerieEntiere()
    {
        QTemporaryDir dossier;
        SeriesDuJoueur series(dossier.path());
        FenetreSerie fenetre(series);
        fenetre.show();
        Remplir(fenetre, fichiers.mid(0, 24), 24);
        QTest::mouseClick(Enfant<QPushButton>(&fenetre, "CreerSerie"), Qt::LeftButton);
        fenetre.close();
        QTest::keyClick(&fenetre, Qt::Key_Escape);
        QVERIFY(fenetre.isVisible());
        QVERIFY(!Enfant<QPushButton>(&fenetre, "Fermer")->isEnabled());
        QTRY_VERIFY(!fenetre.isVisible());
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
        QCOMPARE(series.Liste().size(), 1);
        QCOMPARE(series.Liste().first().Id, fenetre.SerieCreee());
        QCOMPARE(series.Liste().first().Images.size(), 24);
    }
};

// Un écran de 1920 × 1080 à 200 % : la place que laisse le plus grand agrandissement courant.
int main(int argc, char *argv[])
{
    QTemporaryFile ecran;
    if (!ecran.open() ||
        ecran.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0,
                                         "width": 1920, "height": 1080, "logicalDpi": 96}]})") <
            0 ||
        !ecran.flush())
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(ecran.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestFenetreSerie essai;
    return QTest::qExec(&essai, argc, argv);
}
#include "tst_fenetre_serie.moc"
