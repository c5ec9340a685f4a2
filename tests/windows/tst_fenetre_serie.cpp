#include "../series/ImagesEssai.h"
#include "Controles.h"
#include "FenetreSerie.h"
#include "SansAvisDePlateforme.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
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
                     QStringLiteral("%1 images (24 au moins)").arg(attendues));
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
        QApplication::setActiveWindow(&fenetre);
        Remplir(fenetre, fichiers, 26);
        auto *vignettes = Enfant<QListWidget>(&fenetre, "Vignettes");
        vignettes->setFocus();
        for (int ligne : {1, 3, 24})
            vignettes->item(ligne)->setSelected(true);
        QTest::keyClick(vignettes, Qt::Key_Delete);
        QCOMPARE(Enfant<QLabel>(&fenetre, "Compte")->text(),
                 QStringLiteral("23 images (24 au moins)"));
        QStringList restantes = Noms(vignettes);
        QCOMPARE(restantes.size(), 23);
        for (const char *partie : {"photo02", "photo04", "photo25"})
            QVERIFY(!restantes.contains(QString::fromLatin1(partie)));
        QVERIFY(!Enfant<QPushButton>(&fenetre, "CreerSerie")->isEnabled());
        Remplir(fenetre, {fichiers[3]}, 24);
        QCOMPARE(Noms(vignettes).last(), QStringLiteral("photo04"));
        QVERIFY(Enfant<QPushButton>(&fenetre, "CreerSerie")->isEnabled());
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

QTEST_MAIN(TestFenetreSerie)
#include "tst_fenetre_serie.moc"
