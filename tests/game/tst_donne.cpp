#include "PlateauDeTest.h"
#include "TirageSerie.h"

#include <QtTest>
#include <cmath>
#include <set>

using namespace kalvoro;

namespace {

bool EstUnePermutation(const std::array<qint16, 49> &tableau)
{
    std::set<int> vus;
    for (int k = 1; k <= 48; ++k)
        if (tableau[k] >= 1 && tableau[k] <= 48)
            vus.insert(tableau[k]);
    return vus.size() == 48;
}

} // namespace

// La donne : 48 tirages sans remise dans la pioche, r = int(m·x + 1).
class TestDonne : public QObject {
    Q_OBJECT
private slots:
    void uneDonneForceeSuitLaPioche_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<bool>("dansLOrdre"); // sinon à rebours : Tableau(k) = 49 - k
        QTest::newRow("x = 0 prend toujours la première entrée") << 0.0f << true;
        QTest::newRow("x juste sous 1 prend toujours la dernière")
            << std::nextafter(1.0f, 0.0f) << false;
        QTest::newRow("x = 0,98 (au-dessus de 47/48) prend la dernière") << 0.98f << false;
        QTest::newRow("x = 1 d'une source fautive reste dans la pioche") << 1.0f << false;
    }
    void uneDonneForceeSuitLaPioche()
    {
        QFETCH(float, x);
        QFETCH(bool, dansLOrdre);
        PlateauDeTest plateau;
        plateau.Tirage = x;
        plateau.partie.Distribuer();
        QCOMPARE(plateau.partie.Distribue(), 1);
        QCOMPARE(plateau.Tirages, 48);
        for (int k = 1; k <= 48; ++k)
            QCOMPARE(int(plateau.partie.Tableau()[k]), dansLOrdre ? k : 49 - k);
    }

    void uneValeurMoyenneTireLeMilieuDeLaPioche()
    {
        // x = 0,5 : r = int(m/2 + 1), compté à partir de 1 dans ce qui reste de la pioche.
        PlateauDeTest plateau;
        plateau.Tirage = 0.5f;
        plateau.partie.Distribuer();
        QVERIFY(EstUnePermutation(plateau.partie.Tableau()));
        QCOMPARE(int(plateau.partie.Tableau()[1]), 25); // m = 48 : r = 25
        QCOMPARE(int(plateau.partie.Tableau()[2]), 24); // m = 47 : r = int(24,5) = 24
    }

    void deuxDonnesAuHasardSontDeuxPermutationsDifferentes()
    {
        FausseFenetre fenetre;
        Partie partie(fenetre);
        partie.Distribuer();
        const auto premiere = partie.Tableau();
        partie.Annuler_Click();
        partie.Distribuer();
        QVERIFY(EstUnePermutation(premiere));
        QVERIFY(EstUnePermutation(partie.Tableau()));
        QVERIFY(premiere != partie.Tableau());
    }

    void chaqueCarteFinitParTomberSurLaPremiereCellule()
    {
        // Une pioche biaisée (jamais la dernière entrée, par exemple) laisserait un trou.
        FausseFenetre fenetre;
        Partie partie(fenetre);
        std::set<int> vues;
        for (int essai = 0; essai < 2000; ++essai) {
            partie.Distribuer();
            QVERIFY(EstUnePermutation(partie.Tableau()));
            vues.insert(partie.Tableau()[1]);
        }
        QCOMPARE(int(vues.size()), 48);
    }

    void laSourceParDefautDonneDesValeursUniformesDansZeroUn()
    {
        auto source = Partie::SourceParDefaut();
        double somme = 0;
        int basses = 0;
        constexpr int N = 100000;
        for (int k = 0; k < N; ++k) {
            const float x = source();
            QVERIFY(x >= 0.0f && x < 1.0f);
            somme += x;
            basses += x < 0.25f;
        }
        QVERIFY(std::abs(somme / N - 0.5) < 0.01);
        QVERIFY(std::abs(double(basses) / N - 0.25) < 0.01);
    }

    void deuxSourcesParDefautNeDonnentPasLaMemeSuite()
    {
        auto a = Partie::SourceParDefaut();
        auto b = Partie::SourceParDefaut();
        QList<float> suiteA, suiteB;
        for (int k = 0; k < 8; ++k) {
            suiteA << a();
            suiteB << b();
        }
        QVERIFY(suiteA != suiteB);
    }

    // Une série du joueur : 24 images différentes de la série à chaque partie, et, d'une partie
    // à l'autre, toutes finissent par venir (le tirage ne reprend pas les premières).
    void leTirageDUneSerieDuJoueurPrendVingtQuatreImagesDifferentes_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<float>("x"); // négatif : la source du jeu
        QTest::newRow("24 images, source du jeu") << 24 << -1.0f;
        QTest::newRow("60 images, source du jeu") << 60 << -1.0f;
        QTest::newRow("25 images, x = 0") << 25 << 0.0f;
        QTest::newRow("300 images, x = 1 d'une source fautive") << 300 << 1.0f;
    }
    void leTirageDUneSerieDuJoueurPrendVingtQuatreImagesDifferentes()
    {
        QFETCH(int, nombre);
        QFETCH(float, x);
        const Partie::SourceX source =
            x < 0 ? Partie::SourceParDefaut() : Partie::SourceX([x] { return x; });
        std::set<int> venues;
        std::set<QList<int>> tirages;
        for (int partie = 0; partie < 200; ++partie) {
            const QList<int> tirage = TirerImages(nombre, source, NombrePaires);
            const std::set<int> differentes(tirage.begin(), tirage.end());
            QCOMPARE(int(differentes.size()), 24);
            QVERIFY(*differentes.begin() >= 0 && *differentes.rbegin() < nombre);
            venues.insert(tirage.begin(), tirage.end());
            tirages.insert(tirage);
        }
        if (x < 0) {
            QCOMPARE(int(venues.size()), nombre);
            QVERIFY(tirages.size() > 100);
        }
    }
};

QTEST_GUILESS_MAIN(TestDonne)
#include "tst_donne.moc"
