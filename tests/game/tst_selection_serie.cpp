#include "PlateauDeTest.h"
#include "SelectionSerie.h"

#include <QtTest>

using namespace kalvoro;

namespace {

// Lecteur de meilleur score factice : une table par série, le plus petit score gagne.
struct FauxLecteur {
    QMap<QString, QList<int>> Tables;
    QStringList Demandes;

    LecteurMeilleurScore Lecteur()
    {
        return [this](const QString &serie) {
            Demandes << serie;
            const QList<int> scores = Tables.value(serie);
            if (scores.isEmpty())
                return QString();
            return QString::number(*std::min_element(scores.begin(), scores.end()));
        };
    }
};

} // namespace

// La liste des séries et le choix qui rend le plateau jouable.
class TestSelectionSerie : public QObject {
    Q_OBJECT
private slots:
    // Les six, puis celles du joueur qui remplissent le plateau choisi, dans l'ordre donné, leurs
    // numéros gardés, puis l'entrée qui en fait une nouvelle.
    void laListeTientLesSixSeriesPuisCellesDuJoueurSansChoix_data()
    {
        QTest::addColumn<QStringList>("duJoueur");
        QTest::addColumn<QList<int>>("images");
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QList<int>>("montrees"); // leur rang dans duJoueur
        QTest::newRow("aucune") << QStringList() << QList<int>{} << "8x6" << QList<int>{};
        QTest::newRow("deux, homonyme d'une des six comprise")
            << QStringList{QStringLiteral("Animaux"), QStringLiteral("Mamie \"Jo\" / 2025")}
            << QList<int>{24, 30} << "8x6" << QList<int>{0, 1};
        QTest::newRow("trop peu de photos pour le classique")
            << QStringList{"Six", "Douze", "Cinq"} << QList<int>{6, 12, 5} << "8x6" << QList<int>{};
        QTest::newRow("assez pour 6 × 4") << QStringList{"Six", "Douze", "Cinq"}
                                          << QList<int>{6, 12, 5} << "6x4" << QList<int>{1};
        QTest::newRow("assez pour 4 × 3") << QStringList{"Six", "Douze", "Cinq"}
                                          << QList<int>{6, 12, 5} << "4x3" << QList<int>{0, 1};
    }
    void laListeTientLesSixSeriesPuisCellesDuJoueurSansChoix()
    {
        QFETCH(QStringList, duJoueur);
        QFETCH(QList<int>, images);
        QFETCH(QString, taille);
        QFETCH(QList<int>, montrees);
        FausseFenetre fenetre;
        fenetre.Taille = *TaillePlateau::DuCode(taille);
        for (qsizetype k = 0; k < duJoueur.size(); ++k)
            fenetre.SeriesJoueur << Serie::DuJoueur(QStringLiteral("id ") + duJoueur[k],
                                                    duJoueur[k], QStringList(images[k], "p.jpg"));
        RemplirListeJeux(fenetre, fenetre.SeriesJoueur, fenetre.Taille);
        QStringList noms = {"Animaux", "Cinéma", "Disney", "Formes", "Smileys", "Toons"};
        QList<int> numeros = {1, 2, 3, 4, 5, 6};
        for (int k : montrees)
            noms << duJoueur[k], numeros << 7 + k;
        noms << QStringLiteral("Mes séries…");
        numeros << NumeroMesSeries;
        QCOMPARE(fenetre.ListeJeux.size(), noms.size());
        for (int k = 0; k < noms.size(); ++k) {
            QCOMPARE(fenetre.ListeJeux[k].nom, noms[k]);
            QCOMPARE(fenetre.ListeJeux[k].numero, numeros[k]);
        }
        QCOMPARE(fenetre.TexteListeJeux(), QString());
        QCOMPARE(fenetre.NumeroSerieChoisie(), 0);
        // « Mes séries… » choisie ne commence aucune partie.
        fenetre.Choisir(noms.last());
        bool lu = false;
        ChoisirSerie(fenetre, [&lu](const QString &) { return lu = true, QString(); });
        QVERIFY(!lu && fenetre.ListeJeuxActive && !fenetre.AnnulerActif);
    }

    void choisirUneSerieAfficheSonMeilleurScore_data()
    {
        QTest::addColumn<QString>("serie");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("Cinéma, le plus bas rangé au milieu")
            << QStringLiteral("Cinéma") << QList<int>{45, 31, 30, 99, 40} << QStringLiteral("30");
        QTest::newRow("Cinéma, le plus bas rangé en dernier")
            << QStringLiteral("Cinéma") << QList<int>{99, 45, 30} << QStringLiteral("30");
        QTest::newRow("Toons, ex aequo")
            << QStringLiteral("Toons") << QList<int>{26, 26, 50} << QStringLiteral("26");
        QTest::newRow("table sans ligne") << QStringLiteral("Formes") << QList<int>{} << QString();
    }
    void choisirUneSerieAfficheSonMeilleurScore()
    {
        QFETCH(QString, serie);
        QFETCH(QList<int>, scores);
        QFETCH(QString, attendu);
        FausseFenetre fenetre;
        RemplirListeJeux(fenetre);
        fenetre.MeilleurScore = QStringLiteral("ancien");
        FauxLecteur lecteur;
        lecteur.Tables[serie] = scores;
        fenetre.Choisir(serie);
        ChoisirSerie(fenetre, lecteur.Lecteur());
        QCOMPARE(lecteur.Demandes, QStringList{serie}); // le nom exact, accent compris
        QCOMPARE(fenetre.MeilleurScore, attendu);
    }

    // La liste peut montrer un nom traduit : la table lue est celle du numéro de l'entrée.
    void uneEntreeTraduiteLitLaTableAuNomFrancais()
    {
        FausseFenetre fenetre;
        fenetre.AjouterSerie(QStringLiteral("Movies"), 2);
        fenetre.Choisir(QStringLiteral("Movies"));
        FauxLecteur lecteur;
        ChoisirSerie(fenetre, lecteur.Lecteur());
        QCOMPARE(lecteur.Demandes, QStringList{QStringLiteral("Cinéma")});
    }

    void apresUnChoixLePlateauEstJouableEtRienNEstDistribue()
    {
        PlateauDeTest plateau; // remis au repos, puis choisi de nouveau ci-dessous
        plateau.partie.Annuler_Click();
        FauxLecteur lecteur;
        plateau.fenetre.Choisir(QStringLiteral("Smileys"));
        ChoisirSerie(plateau.fenetre, lecteur.Lecteur());
        QVERIFY(!plateau.fenetre.ListeJeuxActive);
        QVERIFY(plateau.fenetre.AnnulerActif);
        QVERIFY(plateau.fenetre.Toutes([](const auto &c) { return c.active && c.visible; }));
        QCOMPARE(plateau.partie.Distribue(), 0);
        QCOMPARE(plateau.partie.NbClics(), 0);
        QCOMPARE(plateau.partie.NbPaires(), 0);
        QCOMPARE(plateau.Tirages, 0);
    }

    void uneListeSansChoixNeFaitRien()
    {
        FausseFenetre fenetre;
        RemplirListeJeux(fenetre);
        FauxLecteur lecteur;
        ChoisirSerie(fenetre, lecteur.Lecteur());
        QVERIFY(lecteur.Demandes.isEmpty());
        QVERIFY(fenetre.ListeJeuxActive);
        QVERIFY(!fenetre.AnnulerActif);
        QVERIFY(fenetre.Toutes([](const auto &c) { return !c.active; }));
    }

    void apresLaRemiseAZeroLeMeilleurScoreResteEtLaMemeSerieSeRejoue()
    {
        PlateauDeTest plateau;
        plateau.partie.Annuler_Click();
        FauxLecteur lecteur;
        lecteur.Tables[QStringLiteral("Cinéma")] = {30, 41};
        plateau.fenetre.Choisir(QStringLiteral("Cinéma"));
        ChoisirSerie(plateau.fenetre, lecteur.Lecteur());
        plateau.Tour(5, 29);
        plateau.partie.Annuler_Click();
        QVERIFY(plateau.fenetre.ListeJeuxActive);
        QVERIFY(plateau.fenetre.Toutes([](const auto &c) { return !c.active; }));
        QCOMPARE(plateau.fenetre.MeilleurScore, QStringLiteral("30"));
        QCOMPARE(plateau.fenetre.TexteListeJeux(), QStringLiteral("Cinéma"));
        // La liste montre encore Cinéma : la reprendre rend le plateau jouable.
        ChoisirSerie(plateau.fenetre, lecteur.Lecteur());
        QCOMPARE(lecteur.Demandes.size(), 2);
        QVERIFY(!plateau.fenetre.ListeJeuxActive);
        plateau.partie.Bouton_Click(5);
        QCOMPARE(plateau.fenetre.Case(5).image, FausseFenetre::Image::Face);
        QCOMPARE(plateau.fenetre.Case(5).serie, 2);
        QCOMPARE(plateau.partie.NbClics(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSelectionSerie)
#include "tst_selection_serie.moc"
