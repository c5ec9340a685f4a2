#include "PlateauDeTest.h"

#include <QtTest>

using namespace kalvoro;
using Image = FausseFenetre::Image;

// Un clic, un tour, la pause de huit tics. Donne forcée : la cellule k porte la carte k.
class TestTours : public QObject {
    Q_OBJECT
private slots:
    void lePremierClicDistribueUneSeuleFois()
    {
        PlateauDeTest plateau;
        plateau.partie.Bouton_Click(7);
        QCOMPARE(plateau.partie.Distribue(), 1);
        QCOMPARE(plateau.Tirages, 48);
        // La première carte montre déjà une carte de la nouvelle donne.
        QCOMPARE(plateau.fenetre.Case(7).image, Image::Face);
        QCOMPARE(plateau.fenetre.Case(7).numeroCarte, 7);
        plateau.partie.Bouton_Click(9);
        plateau.Attendre();
        plateau.Tour(1, 2);
        QCOMPARE(plateau.Tirages, 48);
    }

    void laPremiereCarteSeMontreAvecLaSerieChoisie()
    {
        PlateauDeTest plateau(QStringLiteral("Formes"));
        const QString scoreAvant = plateau.fenetre.ScoreEnCours;
        plateau.partie.Bouton_Click(12);
        QCOMPARE(plateau.fenetre.Case(12).serie, 4);
        QCOMPARE(plateau.partie.NbRetournees(), 1);
        QCOMPARE(plateau.partie.Valeur1(), 12);
        QCOMPARE(plateau.partie.Position1(), 12);
        QCOMPARE(plateau.partie.Valeur2(), 0);
        QCOMPARE(plateau.partie.Position2(), 0);
        QCOMPARE(plateau.fenetre.ScoreEnCours, scoreAvant);
        QCOMPARE(plateau.fenetre.FocusApresCarte, 1);
        QVERIFY(!plateau.partie.EnPause());
        QVERIFY(plateau.fenetre.Toutes([](const auto &c) { return c.active; }));
    }

    void unTourCompareLesDeuxCartes_data()
    {
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("seconde");
        QTest::addColumn<bool>("paire");
        QTest::addColumn<int>("repeintesDuSecondClic");
        QTest::newRow("paire 5 et 29") << 5 << 29 << true << 1;
        QTest::newRow("paire 29 et 5") << 29 << 5 << true << 1;
        QTest::newRow("paire 3 et 27") << 3 << 27 << true << 1;
        QTest::newRow("paire 24 et 48") << 24 << 48 << true << 1;
        QTest::newRow("5 et 6 se retournent") << 5 << 6 << false << 2;
        QTest::newRow("3 et 4 se retournent") << 3 << 4 << false << 2;
        QTest::newRow("1 et 48 se retournent") << 1 << 48 << false << 2;
        QTest::newRow("même carte deux fois") << 5 << 5 << false << 2;
    }
    void unTourCompareLesDeuxCartes()
    {
        QFETCH(int, premiere);
        QFETCH(int, seconde);
        QFETCH(bool, paire);
        QFETCH(int, repeintesDuSecondClic);
        PlateauDeTest plateau;
        plateau.partie.Bouton_Click(premiere);
        const int repeintes = plateau.fenetre.Repeintes;
        plateau.partie.Bouton_Click(seconde);
        // Les différentes sont repeintes une fois de plus, pour que les deux faces se voient.
        QCOMPARE(plateau.fenetre.Repeintes - repeintes, repeintesDuSecondClic);
        QCOMPARE(plateau.fenetre.Case(seconde).image, Image::Face);
        QCOMPARE(plateau.partie.NbRetournees(), 2);
        QCOMPARE(plateau.partie.Position2(), seconde);
        QCOMPARE(plateau.Attendre(), 8);
        QCOMPARE(plateau.partie.NbClics(), 2);
        QCOMPARE(plateau.partie.NbPaires(), paire ? 1 : 0);
        QCOMPARE(plateau.partie.NbRetournees(), 0);
        QCOMPARE(plateau.fenetre.ScoreEnCours, QStringLiteral("1"));
        for (int cellule : {premiere, seconde}) {
            QCOMPARE(plateau.fenetre.Case(cellule).image, Image::Dos);
            QCOMPARE(plateau.fenetre.Case(cellule).visible, !paire);
        }
        QVERIFY(plateau.fenetre.FacesVisibles().isEmpty());
    }

    void pendantLaPauseAucuneCelluleNeReagit()
    {
        PlateauDeTest plateau;
        plateau.partie.Bouton_Click(5);
        plateau.partie.Bouton_Click(6);
        QVERIFY(plateau.partie.EnPause());
        QVERIFY(plateau.fenetre.MinuterieEnMarche);
        QVERIFY(plateau.fenetre.Toutes([](const auto &c) { return !c.active; }));
        for (int tic = 1; tic <= 7; ++tic) {
            plateau.partie.Bouton_Click(tic == 1 ? 5 : 10 + tic); // les faces visibles aussi
            plateau.partie.Minuterie_Timer();
            QCOMPARE(int(plateau.partie.Tempo()), tic);
            QVERIFY(plateau.partie.EnPause());
        }
        QCOMPARE(plateau.partie.NbClics(), 2);
        QCOMPARE(plateau.fenetre.FacesVisibles(), QList<int>({5, 6}));
        QCOMPARE(plateau.fenetre.ScoreEnCours, QString());
        plateau.partie.Minuterie_Timer();
        QVERIFY(!plateau.partie.EnPause());
        QVERIFY(!plateau.fenetre.MinuterieEnMarche);
        QCOMPARE(int(plateau.partie.Tempo()), 0);
    }

    void apresLaPauseToutesLesCellulesVisiblesSontActives()
    {
        PlateauDeTest plateau;
        plateau.Tour(1, 25); // une paire cachée
        const int focus = plateau.fenetre.FocusApresCarte;
        plateau.Tour(2, 3);
        QVERIFY(plateau.fenetre.Toutes([](const auto &c) { return !c.visible || c.active; }));
        QCOMPARE(plateau.fenetre.FocusApresCarte, focus + 2); // après chacune des deux cartes
    }

    void leScoreEnCoursSuitChaqueSecondeCarte()
    {
        PlateauDeTest plateau;
        const QList<QPair<int, int>> tours{{1, 2}, {3, 27}, {4, 4}, {5, 29}, {6, 8}};
        for (const auto &[premiere, seconde] : tours) {
            const QString avant = plateau.fenetre.ScoreEnCours;
            plateau.partie.Bouton_Click(premiere);
            QCOMPARE(plateau.fenetre.ScoreEnCours, avant);
            plateau.partie.Bouton_Click(seconde);
            plateau.Attendre();
            QCOMPARE(plateau.fenetre.ScoreEnCours, QString::number(plateau.partie.NbClics() / 2));
        }
        QCOMPARE(plateau.fenetre.ScoreEnCours, QStringLiteral("5"));
        QCOMPARE(plateau.partie.NbPaires(), 2);
    }

    void chaqueTicAjouteUnEtUnClicRemetAZero()
    {
        PlateauDeTest plateau;
        for (int tic = 1; tic <= 3; ++tic)
            plateau.partie.Minuterie_Timer();
        QCOMPARE(int(plateau.partie.Tempo()), 3);
        plateau.partie.Bouton_Click(1);
        QCOMPARE(int(plateau.partie.Tempo()), 0);
        QVERIFY(!plateau.fenetre.MinuterieEnMarche);
    }

    void unClicQueLePlateauNePermetPasEstIgnore_data()
    {
        QTest::addColumn<int>("cellule");
        QTest::addColumn<bool>("serieChoisie");
        QTest::newRow("cellule 0") << 0 << true;
        QTest::newRow("cellule 49") << 49 << true;
        QTest::newRow("cellule -3") << -3 << true;
        QTest::newRow("aucune série choisie") << 10 << false;
        QTest::newRow("cellule d'une paire trouvée") << 25 << true;
    }
    void unClicQueLePlateauNePermetPasEstIgnore()
    {
        QFETCH(int, cellule);
        QFETCH(bool, serieChoisie);
        PlateauDeTest plateau;
        plateau.Tour(1, 25);
        if (!serieChoisie)
            plateau.fenetre.IndexChoisi = -1;
        plateau.partie.Bouton_Click(cellule);
        QCOMPARE(plateau.partie.NbClics(), 2);
        QCOMPARE(plateau.partie.NbRetournees(), 0);
        QVERIFY(plateau.fenetre.FacesVisibles().isEmpty());
    }

    void unClicArriveAuMilieuDUnAutreEstIgnore_data()
    {
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("seconde");
        QTest::newRow("pendant la première carte") << 5 << 6;
        QTest::newRow("pendant la seconde, paire") << 5 << 29;
        QTest::newRow("pendant la seconde, différentes") << 5 << 7;
    }
    void unClicArriveAuMilieuDUnAutreEstIgnore()
    {
        QFETCH(int, premiere);
        QFETCH(int, seconde);
        PlateauDeTest plateau;
        plateau.fenetre.PendantRepeindre = [&] { plateau.partie.Bouton_Click(40); };
        plateau.partie.Bouton_Click(premiere);
        QCOMPARE(plateau.partie.NbRetournees(), 1);
        plateau.partie.Bouton_Click(seconde);
        QCOMPARE(plateau.partie.NbClics(), 2);
        QCOMPARE(plateau.partie.Position2(), seconde);
        QCOMPARE(plateau.Attendre(), 8);
        QCOMPARE(plateau.fenetre.ScoreEnCours, QStringLiteral("1"));
        QVERIFY(plateau.fenetre.FacesVisibles().isEmpty());
    }

    void uneSerieInconnueNeMontreRienMaisLeTourContinue_data()
    {
        QTest::addColumn<int>("numero");
        QTest::newRow("série 0") << 0;
        QTest::newRow("série 7") << 7;
        QTest::newRow("série -1") << -1;
    }
    void uneSerieInconnueNeMontreRienMaisLeTourContinue()
    {
        QFETCH(int, numero);
        PlateauDeTest plateau;
        plateau.fenetre.AjouterSerie(QStringLiteral("Inconnue"), numero);
        plateau.Preparer(QStringLiteral("Inconnue"));
        plateau.partie.Bouton_Click(3);
        QVERIFY(plateau.fenetre.FacesVisibles().isEmpty());
        QCOMPARE(plateau.partie.NbRetournees(), 1);
        plateau.partie.Bouton_Click(27);
        QCOMPARE(plateau.Attendre(), 8);
        QCOMPARE(plateau.partie.NbPaires(), 1);
        QCOMPARE(plateau.fenetre.ScoreEnCours, QStringLiteral("1"));
    }

    void avantLaPremiereRemiseAZeroSeulesLesCartesRetourneesMontrentLeDos()
    {
        FausseFenetre fenetre;
        RemplirListeJeux(fenetre);
        fenetre.Choisir(QStringLiteral("Disney"));
        Partie partie(fenetre, [] { return 0.0f; });
        partie.Bouton_Click(2);
        partie.Bouton_Click(9);
        while (fenetre.MinuterieEnMarche)
            partie.Minuterie_Timer();
        QCOMPARE(fenetre.Case(2).image, Image::Dos);
        QCOMPARE(fenetre.Case(9).image, Image::Dos);
        QCOMPARE(fenetre.Case(3).image, Image::Aucune);
    }
};

QTEST_GUILESS_MAIN(TestTours)
#include "tst_tours.moc"
