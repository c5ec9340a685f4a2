// Le clavier et la molette sur la vraie fenêtre Jeu : le focus pendant la pause, la boîte de
// fin de partie, la molette sur la liste des séries, les flèches sur le plateau.
#include "BancJeu.h"
#include "SansAvisDePlateforme.h"

#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

using namespace kalvoro;

class TestJeuClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne_data();
    void pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne();
    void finDePartie_nEcouteQueOuiEtNon();
    void molette_surLaListeSansFocus_neChoisitRien();
    void fleches_parcourentLePlateau_data();
    void fleches_parcourentLePlateau();
    void apresUneCarte_seulUnAppuiVouluAbandonne_data();
    void apresUneCarte_seulUnAppuiVouluAbandonne();
    void unTour_estDitSurAnnuler_data();
    void unTour_estDitSurAnnuler();
};

void TestJeuClavier::pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne_data()
{
    QTest::addColumn<bool>("auClavier");
    QTest::newRow("seconde carte à la souris") << false;
    QTest::newRow("seconde carte à la barre d'espace") << true;
}

void TestJeuClavier::pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne()
{
    QFETCH(bool, auClavier);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    banc.Cliquer(1);
    if (auClavier) {
        banc.Cellule(2)->setFocus();
        QTest::keyClick(banc.Cellule(2), Qt::Key_Space);
    } else {
        banc.Cliquer(2);
    }
    auto *annuler = banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    QVERIFY(banc.jeu->LaPartie().EnPause());
    QCOMPARE(banc.jeu->focusWidget(), annuler);
    QTest::keyClick(banc.jeu->focusWidget(), Qt::Key_Space);

    QVERIFY(banc.jeu->isVisible());
    QVERIFY(banc.jeu->LaPartie().EnPause());
    QCOMPARE(banc.jeu->LaPartie().NbClics(), 2);
    QCOMPARE(banc.TicsJusquALaFinDeLaPause(), 8);
    QCOMPARE(banc.jeu->focusWidget(), annuler);
    // Le focus posé par le programme se voit, comme après une tabulation.
    QVERIFY(banc.jeu->testAttribute(Qt::WA_KeyboardFocusChange));
}

void TestJeuClavier::finDePartie_nEcouteQueOuiEtNon()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    bool ouverteApresEchap = false, ouverteApresFermeture = false;
    QStringList boutons;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(boite);
        // Sans catalogue de Qt chargé, comme sans qt6-translations-l10n.
        boutons = {boite->button(QMessageBox::Yes)->text(), boite->button(QMessageBox::No)->text()};
        QTest::keyClick(boite, Qt::Key_Escape);
        ouverteApresEchap = boite->isVisible();
        QCloseEvent fermeture; // la case de fermeture de la barre de titre
        QSpontaneKeyEvent::setSpontaneous(&fermeture);
        QCoreApplication::sendEvent(boite, &fermeture);
        ouverteApresFermeture = boite->isVisible();
        boite->button(QMessageBox::No)->click();
    });
    QVERIFY(banc.JouerPartie());
    QVERIFY(ouverteApresEchap);
    QVERIFY(ouverteApresFermeture);
    QCOMPARE(boutons, (QStringList{"&Oui", "&Non"}));
    QVERIFY(!banc.Cellule(1)->isEnabled()); // Non a remis le plateau au repos
}

void TestJeuClavier::molette_surLaListeSansFocus_neChoisitRien()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    auto *liste = banc.Controle<QComboBox>(QStringLiteral("ListeJeux"));
    const QPointF milieu = liste->rect().center();
    QWheelEvent molette(milieu, liste->mapToGlobal(milieu), {}, {0, -120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&molette);
    QCoreApplication::sendEvent(liste, &molette);
    QCOMPARE(liste->currentIndex(), -1);
    QVERIFY(!banc.Cellule(1)->isEnabled());

    // Sur la liste qui a le focus, une flèche l'ouvre sans rien choisir ; Entrée choisit, et
    // le focus passe à la première carte.
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Down);
    QVERIFY(liste->view()->isVisible());
    QCOMPARE(liste->currentIndex(), -1);
    // La liste fermée par l'appui ne prend pas son relâchement : rien à en dire.
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent entree(type, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(liste->view(), &entree);
    }
    QCOMPARE(liste->currentIndex(), 0);
    QVERIFY(banc.Cellule(1)->isEnabled());
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(1));
}

void TestJeuClavier::apresUneCarte_seulUnAppuiVouluAbandonne_data()
{
    QTest::addColumn<int>("intervalleDoubleClic");
    QTest::addColumn<bool>("repetee");
    QTest::addColumn<bool>("souris");
    QTest::addColumn<bool>("abandonne");
    QTest::newRow("second appui dans le double-clic") << 60000 << false << false << false;
    QTest::newRow("touche tenue, répétée") << 1 << true << false << false;
    QTest::newRow("appui voulu, plus tard") << 1 << false << false << true;
    QTest::newRow("clic, même tout de suite") << 60000 << false << true << true;
}

void TestJeuClavier::apresUneCarte_seulUnAppuiVouluAbandonne()
{
    QFETCH(int, intervalleDoubleClic);
    QFETCH(bool, repetee);
    QFETCH(bool, souris);
    QFETCH(bool, abandonne);
    const int intervalleDuSysteme = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(intervalleDoubleClic);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    QTest::keyClick(banc.Cellule(1), Qt::Key_Space);
    auto *annuler = banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    QCOMPARE(banc.jeu->focusWidget(), annuler);
    QTest::qWait(20);
    if (souris) {
        QTest::mouseClick(annuler, Qt::LeftButton);
    } else {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        repetee);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                          repetee);
        QCoreApplication::sendEvent(annuler, &appui);
        QCoreApplication::sendEvent(annuler, &relache);
    }
    QApplication::setDoubleClickInterval(intervalleDuSysteme);
    QCOMPARE(banc.jeu->LaPartie().NbRetournees() == 0, abandonne);
}

void TestJeuClavier::unTour_estDitSurAnnuler_data()
{
    QTest::addColumn<int>("seconde");
    QTest::addColumn<QString>("fin");
    QTest::newRow("pas de paire") << 3 << QStringLiteral("Pas de paire. Score en cours : 1.");
    QTest::newRow("paire trouvée") << 25 << QStringLiteral("Paire trouvée. Score en cours : 1.");
}

// Le focus passe sur Annuler après chaque carte : un lecteur d'écran dit sa description avec
// lui, puis la redit quand elle change pendant qu'il a le focus.
void TestJeuClavier::unTour_estDitSurAnnuler()
{
    QFETCH(int, seconde);
    QFETCH(QString, fin);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    auto *annuler = banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    for (int carte : {1, seconde}) {
        QTest::keyClick(banc.Cellule(carte), Qt::Key_Space);
        QCOMPARE(banc.jeu->focusWidget(), annuler);
        QCOMPARE(annuler->accessibleDescription(), banc.Cellule(carte)->accessibleName());
    }
    QCOMPARE(banc.TicsJusquALaFinDeLaPause(), 8);
    QCOMPARE(annuler->accessibleDescription(), fin);
    // Le focus ne bouge pas à la fin du tour : l'issue est aussi annoncée.
    QCOMPARE(banc.jeu->findChild<QWidget *>(QStringLiteral("Annonce"))->accessibleName(), fin);
}

void TestJeuClavier::fleches_parcourentLePlateau_data()
{
    QTest::addColumn<QList<int>>("cachees");
    QTest::addColumn<int>("depart");
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("arrivee");
    QTest::newRow("gauche au début reste sur le plateau")
        << QList<int>{} << 1 << int(Qt::Key_Left) << 1;
    QTest::newRow("bas au bord reste sur le plateau")
        << QList<int>{} << 44 << int(Qt::Key_Down) << 44;
    QTest::newRow("bas saute une cellule cachée") << QList<int>{12} << 4 << int(Qt::Key_Down) << 20;
    // ....... 8      la rangée du haut n'a plus que la cellule 8 : le haut y mène
    // . 10 ...
    QTest::newRow("haut vers la plus proche de la rangée")
        << QList<int>{1, 2, 3, 4, 5, 6, 7} << 10 << int(Qt::Key_Up) << 8;
}

void TestJeuClavier::fleches_parcourentLePlateau()
{
    QFETCH(QList<int>, cachees);
    QFETCH(int, depart);
    QFETCH(int, touche);
    QFETCH(int, arrivee);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    for (int i : cachees)
        banc.jeu->MontrerCellule(i, false);
    // La carte de départ se retourne à la barre d'espace ; le focus part sur Annuler, et la
    // flèche le ramène d'abord à la dernière carte jouée.
    banc.Cellule(depart)->setFocus();
    QTest::keyClick(banc.Cellule(depart), Qt::Key_Space);
    QCOMPARE(banc.jeu->LaPartie().NbRetournees(), 1);
    QTest::keyClick(banc.jeu->focusWidget(), Qt::Key(touche));
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(depart));

    QTest::keyClick(banc.Cellule(depart), Qt::Key(touche));
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(arrivee));
    // Le lecteur d'écran lit le nom de l'image montrée, celui du fichier qui la dessine.
    QFile faces(qEnvironmentVariable("KALVORO_SOURCES") + "/tools/images/faces.tsv");
    QVERIFY(faces.open(QIODevice::ReadOnly));
    const int face = (depart - 1) % 24 + 1; // la donne forcée pose la carte k sur la cellule k
    const QString entete = QStringLiteral("animaux\t%1\t").arg(face, 2, 10, QChar('0'));
    const QString ligne = QString::fromUtf8(faces.readAll()).section(entete, 1).section('\n', 0, 0);
    QCOMPARE(banc.Cellule(depart)->accessibleName(),
             QStringLiteral("Carte %1, ligne %2, colonne %3, %4")
                 .arg(depart)
                 .arg((depart - 1) / 8 + 1)
                 .arg((depart - 1) % 8 + 1)
                 .arg(ligne.section('\t', 1)));
}

QTEST_MAIN(TestJeuClavier)
#include "tst_jeu_clavier.moc"
