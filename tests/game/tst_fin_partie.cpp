#include "PlateauDeTest.h"

#include <QtTest>

using namespace kalvoro;
using Image = FausseFenetre::Image;

namespace {

QString MessageAttendu(int score)
{
    return QStringLiteral("La partie est terminée !!\n\nVotre score est de ") +
           QString::number(score) +
           QStringLiteral(" points\n\nSouhaitez vous enregistrer votre score ?");
}

// Joue les 24 paires dans l'ordre (donne forcée : la carte k est sur la cellule k) ; rend
// le nombre de tics de chaque pause, qui doit être 8.
QList<int> TrouverLesPaires(PlateauDeTest &plateau)
{
    QList<int> tics;
    for (int k = 1; k <= 24; ++k)
        tics << plateau.Tour(k, k + 24);
    return tics;
}

} // namespace

// La fin de partie : le message, la réponse, Enregistre, la remise à zéro ; et l'abandon.
class TestFinPartie : public QObject {
    Q_OBJECT
private slots:
    void unePartieParfaiteDeQuaranteHuitClicsFaitVingtQuatre()
    {
        PlateauDeTest plateau;
        QString scorePendantLaQuestion;
        plateau.fenetre.PendantQuestion = [&] {
            scorePendantLaQuestion = plateau.fenetre.ScoreEnCours;
        };
        const QList<int> tics = TrouverLesPaires(plateau);
        QCOMPARE(tics, QList<int>(24, 8));
        QCOMPARE(plateau.fenetre.Boites.size(), 1);
        QCOMPARE(plateau.fenetre.Boites[0].titre, QStringLiteral("Fin de partie"));
        QCOMPARE(plateau.fenetre.Boites[0].texte, MessageAttendu(24));
        QVERIFY(!plateau.fenetre.Boites[0].texte.contains(QLatin1Char('\r')));
        QCOMPARE(scorePendantLaQuestion, QStringLiteral("24"));
    }

    // À chaque taille : toutes les cartes du plateau, chacune une fois, et rien au-delà (la
    // fausse fenêtre refuse toute cellule hors du plateau) ; la fin après sa dernière paire.
    void chaqueTailleFinitApresSaDernierePaire_data()
    {
        QTest::addColumn<int>("colonnes");
        QTest::addColumn<int>("rangees");
        QTest::newRow("4 × 3") << 4 << 3;
        QTest::newRow("6 × 4") << 6 << 4;
        QTest::newRow("8 × 6") << 8 << 6;
    }
    void chaqueTailleFinitApresSaDernierePaire()
    {
        QFETCH(int, colonnes);
        QFETCH(int, rangees);
        const int paires = colonnes * rangees / 2;
        PlateauDeTest plateau(QStringLiteral("Animaux"), {colonnes, rangees});
        plateau.Tirage = 0.999f; // la dernière carte de la pioche à chaque tirage
        plateau.Tour(1, 1);      // un tour manqué
        QList<int> cartes(plateau.partie.Tableau().begin() + 1,
                          plateau.partie.Tableau().begin() + 1 + 2 * paires);
        std::sort(cartes.begin(), cartes.end());
        for (int k = 0; k < 2 * paires; ++k)
            QCOMPARE(cartes[k], k + 1);
        for (int carte = 1; carte <= paires; ++carte) {
            QVERIFY(plateau.fenetre.Boites.isEmpty());
            const auto &tableau = plateau.partie.Tableau();
            const auto cellule = [&](int c) {
                return static_cast<int>(std::find(tableau.begin() + 1, tableau.end(), c) -
                                        tableau.begin());
            };
            plateau.Tour(cellule(carte), cellule(carte + paires));
        }
        QCOMPARE(plateau.fenetre.Boites.size(), 1);
        QCOMPARE(plateau.fenetre.Boites[0].texte, MessageAttendu(paires + 1));
        QVERIFY(plateau.AuRepos());
    }

    void unePartieEnTrenteToursFaitTrente()
    {
        PlateauDeTest plateau;
        for (int k = 1; k <= 6; ++k)
            plateau.Tour(k, k + 1); // six tours manqués
        TrouverLesPaires(plateau);
        QCOMPARE(plateau.fenetre.Boites.size(), 1);
        QCOMPARE(plateau.fenetre.Boites[0].texte, MessageAttendu(30));
    }

    void laReponseNonRemetLePlateauAuReposAussitot()
    {
        PlateauDeTest plateau;
        plateau.fenetre.Reponse = ReponseNon;
        bool encoreEnJeuPendantLaQuestion = false;
        plateau.fenetre.PendantQuestion = [&] {
            encoreEnJeuPendantLaQuestion = !plateau.fenetre.ListeJeuxActive;
        };
        TrouverLesPaires(plateau);
        QVERIFY(encoreEnJeuPendantLaQuestion);
        QVERIFY(plateau.fenetre.Enregistrements.isEmpty());
        QVERIFY(plateau.AuRepos());
        QCOMPARE(plateau.fenetre.TexteListeJeux(), QStringLiteral("Animaux"));
    }

    void laReponseOuiOuvreEnregistrePuisRemetAZero()
    {
        PlateauDeTest plateau;
        plateau.fenetre.Reponse = ReponseOui;
        bool auReposPendantEnregistre = true;
        plateau.fenetre.PendantEnregistre = [&] { auReposPendantEnregistre = plateau.AuRepos(); };
        const int focus = plateau.fenetre.FocusApresCarte;
        TrouverLesPaires(plateau);
        QCOMPARE(plateau.fenetre.Enregistrements.size(), 1);
        const auto &ouverture = plateau.fenetre.Enregistrements[0];
        QCOMPARE(ouverture.scoreEnCours, QStringLiteral("24"));
        QCOMPARE(ouverture.texteListeJeux, QStringLiteral("Animaux"));
        QVERIFY(!ouverture.listeJeuxActive);
        QVERIFY(!auReposPendantEnregistre);
        QVERIFY(plateau.AuRepos());
        // 24 premières cartes et 23 fins de tour ; la dernière fin de tour ne bouge pas le focus.
        QCOMPARE(plateau.fenetre.FocusApresCarte, focus + 47);
    }

    void aucunClicNEstPrisPendantLaQuestionNiPendantEnregistre()
    {
        PlateauDeTest plateau;
        plateau.fenetre.Reponse = ReponseOui;
        QList<qint32> clicsVus;
        auto cliquer = [&] {
            plateau.partie.Bouton_Click(1);
            plateau.partie.Minuterie_Timer();
            clicsVus << plateau.partie.NbClics();
        };
        plateau.fenetre.PendantQuestion = cliquer;
        plateau.fenetre.PendantEnregistre = cliquer;
        TrouverLesPaires(plateau);
        QCOMPARE(clicsVus, QList<qint32>({48, 48}));
        QCOMPARE(plateau.fenetre.Boites.size(), 1);
        QVERIFY(plateau.AuRepos());
    }

    void unAbandonPendantLaPauseLaisseLePlateauAuRepos_data()
    {
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("seconde");
        QTest::addColumn<int>("ticsAvantAbandon");
        QTest::newRow("paire 5 et 29, au 3e tic") << 5 << 29 << 3;
        QTest::newRow("5 et 6, au 3e tic") << 5 << 6 << 3;
        QTest::newRow("même carte deux fois, au 7e tic") << 5 << 5 << 7;
        QTest::newRow("paire 5 et 29, avant tout tic") << 5 << 29 << 0;
    }
    void unAbandonPendantLaPauseLaisseLePlateauAuRepos()
    {
        QFETCH(int, premiere);
        QFETCH(int, seconde);
        QFETCH(int, ticsAvantAbandon);
        PlateauDeTest plateau;
        plateau.Tour(1, 25);
        plateau.partie.Bouton_Click(premiere);
        plateau.partie.Bouton_Click(seconde);
        for (int tic = 0; tic < ticsAvantAbandon; ++tic)
            plateau.partie.Minuterie_Timer();
        plateau.partie.Annuler_Click();
        QVERIFY(plateau.AuRepos());
        const int focus = plateau.fenetre.FocusApresCarte;
        // Un tic déjà en route quand la minuterie s'arrête ne doit rien réveiller.
        for (int tic = 0; tic < 20; ++tic)
            plateau.partie.Minuterie_Timer();
        QVERIFY(plateau.AuRepos());
        QCOMPARE(plateau.fenetre.FocusApresCarte, focus);
        QCOMPARE(plateau.partie.NbPaires(), 0);
    }

    void apresUnAbandonLaPartieSuivanteRedistribueEtSeJoue()
    {
        PlateauDeTest plateau;
        plateau.partie.Bouton_Click(5);
        plateau.partie.Bouton_Click(29);
        plateau.partie.Annuler_Click();
        plateau.Preparer(QStringLiteral("Toons"));
        QCOMPARE(plateau.Tour(5, 29), 8);
        QCOMPARE(plateau.Tirages, 96);
        QCOMPARE(plateau.partie.NbPaires(), 1);
        QCOMPARE(plateau.fenetre.ScoreEnCours, QStringLiteral("1"));
    }

    void laRemiseAZeroRendLesPairesTrouveesEtGardeLaDonne()
    {
        PlateauDeTest plateau;
        plateau.Tour(3, 27);
        plateau.Tour(4, 9);
        plateau.partie.Bouton_Click(10);
        const auto donne = plateau.partie.Tableau();
        plateau.partie.Annuler_Click();
        QVERIFY(plateau.AuRepos());
        QCOMPARE(plateau.partie.Tableau(), donne);
        QCOMPARE(plateau.fenetre.TexteListeJeux(), QStringLiteral("Animaux"));
    }
};

QTEST_GUILESS_MAIN(TestFinPartie)
#include "tst_fin_partie.moc"
