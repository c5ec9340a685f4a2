// Les fenêtres secondaires ouvertes au milieu d'une partie, sur une copie du vrai Scores.dat :
// la visionneuse et la fenêtre À propos s'ouvrent, montrent ce qu'il faut, se ferment, et la
// partie reprend où elle en était.
#include "BancScoresReels.h"
#include "Controles.h"
#include "Images.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"

#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

using namespace kalvoro;

namespace {

QList<QStringList> LignesDeLaGrille(const QTableWidget *grille)
{
    QList<QStringList> lignes;
    for (int ligne = 0; ligne < 10; ++ligne) {
        QStringList cellules;
        for (int colonne = 0; colonne < grille->columnCount(); ++colonne)
            cellules << grille->item(ligne, colonne)->text();
        lignes << cellules;
    }
    return lignes;
}

// Un joueur lit dans la grille le prénom, le nom, la date à la française et le score.
QList<QStringList> LignesLisibles(const QList<LigneScore> &classement)
{
    QList<QStringList> lignes;
    for (const LigneScore &ligne : classement.first(qMin(classement.size(), 10)))
        lignes << QStringList{ligne.PRENOM, ligne.NOM,
                              ligne.DATE.toString(QStringLiteral("dd/MM/yyyy")),
                              QString::number(ligne.SCORE)};
    return lignes;
}

// Ce qu'une fenêtre secondaire a montré, et l'état de la partie pendant qu'elle était ouverte.
struct FenetreVue {
    bool PartieEnPause = false;
    QString Titre;
    QList<QStringList> Lignes; // la visionneuse
    int Onglet = -1;           // À propos
    QString SousTitre;
};

} // namespace

class TestIntegrationFenetres : public QObject {
    Q_OBJECT

    BancScoresReels reels;
    BancJeu *banc = nullptr;

    // Un clic sur un bouton de Jeu qui ouvre la fenêtre modale attendue ; la réponse lui est
    // faite, et le clic rend après sa fermeture. L'état de la partie pendant qu'elle était
    // ouverte est noté.
    void Commande(const char *bouton, const QString &fenetre, FenetreVue &vue,
                  const RepondeurModales::Action &reponse)
    {
        RepondeurModales repondeur;
        repondeur.Attendre(fenetre, [&](QWidget *modale) {
            vue.PartieEnPause = banc->jeu->LaPartie().EnPause();
            reponse(modale);
        });
        QTest::mouseClick(banc->Controle<QPushButton>(QLatin1String(bouton)), Qt::LeftButton);
        QCOMPARE(repondeur.Attendues(), QStringList());
        QCOMPARE(repondeur.Imprevues, QStringList());
    }

    // Après la fenêtre : la pause finit par la minuterie (sans repartir de zéro), le tour est
    // compté, et le tour suivant se joue normalement.
    void VerifierQueLaPartieContinue(int ticsDejaPasses, int premiere, int seconde);

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void init()
    {
        reels.Fermer();
        QVERIFY(reels.copie.Prete);
        banc = &reels.Ouvrir();
        QVERIFY(banc->Demarrer());
        banc->ChoisirSerie(4);
    }
    void cleanup() { reels.Fermer(); }

    void scoresPendantUnePause_montreLaSerieCliquee_data();
    void scoresPendantUnePause_montreLaSerieCliquee();
    void aproposPendantUnePartie_surLePremierOnglet_data();
    void aproposPendantUnePartie_surLePremierOnglet();
    void laPauseAttendPendantQueLaVisionneuseEstOuverte();
};

void TestIntegrationFenetres::VerifierQueLaPartieContinue(int ticsDejaPasses, int premiere,
                                                          int seconde)
{
    QVERIFY(banc->TicsJusquALaFinDeLaPause() <= 8 - ticsDejaPasses);
    QVERIFY(!banc->jeu->LaPartie().EnPause());
    QCOMPARE(banc->Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QStringLiteral("1"));
    const bool paire = seconde == premiere + 24;
    for (int i : {premiere, seconde}) {
        QCOMPARE(banc->Cellule(i)->isVisible(), !paire);
        if (!paire) { // face cachée de nouveau, et de nouveau cliquable
            QVERIFY(banc->Cellule(i)->isEnabled());
            const QImage image = ImageDe(banc->Cellule(i));
            QCOMPARE(image,
                     QImage(QStringLiteral(":/images/dos.png")).convertToFormat(image.format()));
        }
    }
    QCOMPARE(banc->JouerTour(12, 36), 8);
    QVERIFY(!banc->Cellule(12)->isVisible());
    QCOMPARE(banc->Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QStringLiteral("2"));
    QCOMPARE(banc->echecs, QStringList());
}

void TestIntegrationFenetres::scoresPendantUnePause_montreLaSerieCliquee_data()
{
    QTest::addColumn<int>("tics");
    QTest::addColumn<int>("bouton");
    QTest::newRow("Toons, dès le second clic") << 0 << 5;
    QTest::newRow("Cinéma, au 3e tic") << 3 << 1;
    // Pas plus loin que le 6e tic : la vraie minuterie tourne aussi pendant que la visionneuse
    // est ouverte, et une machine chargée pourrait y placer le 8e avant que le test ne regarde.
    QTest::newRow("Animaux, au 6e tic") << 6 << 0;
}

void TestIntegrationFenetres::scoresPendantUnePause_montreLaSerieCliquee()
{
    QFETCH(int, tics);
    QFETCH(int, bouton);
    banc->Cliquer(1);
    banc->Cliquer(2); // cartes 1 et 2 : pas une paire
    for (int tic = 0; tic < tics; ++tic)
        QVERIFY(banc->Tic());

    FenetreVue vue;
    Commande("Scores", QStringLiteral("VisuScores"), vue, [&](QWidget *visionneuse) {
        QTest::mouseClick(Enfant<QPushButton>(visionneuse, QStringLiteral("Bouton%1").arg(bouton)),
                          Qt::LeftButton);
        vue.Titre = visionneuse->windowTitle();
        vue.Lignes = LignesDeLaGrille(Enfant<QTableWidget>(visionneuse, QStringLiteral("Grille")));
        QTest::mouseClick(Enfant<QPushButton>(visionneuse, QStringLiteral("Quitter")),
                          Qt::LeftButton);
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY(vue.PartieEnPause);
    const QString serie = Series()[bouton].Nom;
    QCOMPARE(vue.Titre, QStringLiteral("Les meilleurs scores.    Série : ") + serie);
    QCOMPARE(vue.Lignes, LignesLisibles(banc->jeu->Magasin()->ListerScores(serie)));
    VerifierQueLaPartieContinue(tics, 1, 2);
}

void TestIntegrationFenetres::aproposPendantUnePartie_surLePremierOnglet_data()
{
    QTest::addColumn<int>("clics");
    QTest::addColumn<int>("tics");
    QTest::newRow("une carte retournée") << 1 << 0;
    QTest::newRow("pendant la pause d'une paire, au 4e tic") << 2 << 4;
}

void TestIntegrationFenetres::aproposPendantUnePartie_surLePremierOnglet()
{
    QFETCH(int, clics);
    QFETCH(int, tics);
    banc->Cliquer(7);
    if (clics == 2)
        banc->Cliquer(31); // la paire de la carte 7
    for (int tic = 0; tic < tics; ++tic)
        QVERIFY(banc->Tic());

    FenetreVue vue;
    Commande("Command1", QStringLiteral("Apropos"), vue, [&](QWidget *apropos) {
        vue.Onglet = Enfant<QTabWidget>(apropos, QStringLiteral("Onglet"))->currentIndex();
        vue.SousTitre = Enfant<QLabel>(apropos, QStringLiteral("SousTitre"))->text();
        QTest::mouseClick(Enfant<QPushButton>(apropos, QStringLiteral("Quitter")), Qt::LeftButton);
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(vue.PartieEnPause, clics == 2);
    QCOMPARE(vue.Onglet, 0);
    QCOMPARE(vue.SousTitre, QStringLiteral("Version ") + banc->jeu->NumeroVersion() +
                                QStringLiteral(" compilée le 16/04/2000 à 13:47"));
    if (clics == 1) { // la partie attendait la seconde carte : elle la reçoit
        QVERIFY(!banc->jeu->LaPartie().EnPause());
        banc->Cliquer(31);
    }
    VerifierQueLaPartieContinue(tics, 7, 31);
}

void TestIntegrationFenetres::laPauseAttendPendantQueLaVisionneuseEstOuverte()
{
    banc->Cliquer(1);
    banc->Cliquer(2);
    for (int tic = 0; tic < 7; ++tic)
        QVERIFY(banc->Tic());

    bool enPauseApresLesTics = false;
    FenetreVue vue;
    Commande("Scores", QStringLiteral("VisuScores"), vue, [&](QWidget *visionneuse) {
        // Bien plus de tics qu'il n'en faut pour finir la pause : aucun ne doit compter.
        for (int tic = 0; tic < 20; ++tic)
            banc->Tic();
        enPauseApresLesTics = banc->jeu->LaPartie().EnPause();
        QTest::mouseClick(Enfant<QPushButton>(visionneuse, QStringLiteral("Quitter")),
                          Qt::LeftButton);
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY(enPauseApresLesTics);
    QCOMPARE(banc->Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QString());
    VerifierQueLaPartieContinue(7, 1, 2);
}

QTEST_MAIN(TestIntegrationFenetres)
#include "tst_integration_fenetres.moc"
