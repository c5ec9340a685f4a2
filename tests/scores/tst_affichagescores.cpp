#include "AffichageScores.h"
#include "FauxMagasin.h"

#include <QtTest>
#include <optional>

using namespace kalvoro;

namespace {

// Une grille en mémoire : la cellule courante, les textes, les réglages. Une écriture hors des
// onze lignes est notée au lieu d'être perdue.
class FausseGrille : public OperationsGrille {
public:
    double Fenetre = 6810; // client de 6720 et un cadre de 45 twips de chaque côté
    std::optional<double> GaucheGrille, GaucheQuitter;
    std::optional<Couleur> CouleurTexte;
    QList<double> Largeurs = QList<double>(4, 0);
    QList<std::optional<Alignement>> Alignements = QList<std::optional<Alignement>>(4);
    QString Cellules[AffichageScores::NombreLignes][AffichageScores::NombreColonnes];
    QString Legende;
    int EcrituresHorsGrille = 0;

    double LargeurFenetre() const override { return Fenetre; }
    double LargeurGrille() const override { return 6135; }
    double LargeurQuitter() const override { return 1215; }
    void PlacerGrille(double gauche) override { GaucheGrille = gauche; }
    void PlacerQuitter(double gauche) override { GaucheQuitter = gauche; }
    void DefinirCouleurTexte(const Couleur &couleur) override { CouleurTexte = couleur; }
    void DefinirLargeurColonne(int colonne, double largeur) override
    {
        Largeurs[colonne] = largeur;
    }
    void DefinirAlignementColonne(int colonne, Alignement alignement) override
    {
        Alignements[colonne] = alignement;
    }
    void ChoisirLigne(int ligne) override { ligneCourante = ligne; }
    int LigneCourante() const override { return ligneCourante; }
    void ChoisirColonne(int colonne) override { colonneCourante = colonne; }
    void EcrireCellule(const QString &texte) override
    {
        if (ligneCourante < 0 || ligneCourante >= AffichageScores::NombreLignes ||
            colonneCourante < 0 || colonneCourante >= AffichageScores::NombreColonnes)
            ++EcrituresHorsGrille;
        else
            Cellules[ligneCourante][colonneCourante] = texte;
    }
    void DefinirLegende(const QString &legende) override { Legende = legende; }

    QStringList Ligne(int ligne) const
    {
        return {Cellules[ligne][0], Cellules[ligne][1], Cellules[ligne][2], Cellules[ligne][3]};
    }
    bool LigneVide(int ligne) const { return Ligne(ligne).join(QString()).isEmpty(); }

private:
    int ligneCourante = -1;
    int colonneCourante = -1;
};

} // namespace

class TestAffichageScores : public QObject {
    Q_OBJECT
    FauxMagasin magasin;
    FausseGrille grille;

private slots:
    void init()
    {
        magasin = FauxMagasin();
        grille = FausseGrille();
        // La onzième ligne n'appartient pas aux listes : ce qu'elle porte doit y rester.
        for (QString &cellule : grille.Cellules[10])
            cellule = QStringLiteral("intacte");
    }

    void ouvertureCentreRegleLesColonnesEtNeLitRien_data()
    {
        QTest::addColumn<double>("fenetre");
        QTest::addColumn<double>("gaucheGrille");
        QTest::addColumn<double>("gaucheQuitter");
        QTest::newRow("cadre de 45 twips de chaque côté") << 6810.0 << 337.5 << 2797.5;
        QTest::newRow("fenêtre sans cadre") << 6720.0 << 292.5 << 2752.5;
    }
    void ouvertureCentreRegleLesColonnesEtNeLitRien()
    {
        QFETCH(double, fenetre);
        QFETCH(double, gaucheGrille);
        QFETCH(double, gaucheQuitter);
        grille.Fenetre = fenetre;
        AffichageScores(grille, magasin).Form_Load();

        QCOMPARE(grille.GaucheGrille, gaucheGrille);
        QCOMPARE(grille.GaucheQuitter, gaucheQuitter);
        QCOMPARE(grille.Largeurs, (QList<double>{1500, 1700, 1700, 1200}));
        const QList<std::optional<Alignement>> alignements{Alignement::Gauche, Alignement::Gauche,
                                                           Alignement::Centre, Alignement::Centre};
        QCOMPARE(grille.Alignements, alignements);
        QVERIFY(magasin.Appels.isEmpty());
        QVERIFY(grille.Legende.isEmpty());
        QVERIFY(!grille.CouleurTexte);
        for (int ligne = 0; ligne < 10; ++ligne)
            QVERIFY(grille.LigneVide(ligne));
    }

    void chaqueBoutonMontreSaSerieDansSaCouleur_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("serie");
        QTest::addColumn<int>("rouge");
        QTest::addColumn<int>("vert");
        QTest::addColumn<int>("bleu");
        QTest::newRow("Animaux en rouge") << 0 << "&Animaux"
                                          << "Animaux" << 255 << 0 << 0;
        QTest::newRow("Cinéma en bleu") << 1 << "&Cinéma"
                                        << "Cinéma" << 0 << 0 << 255;
        QTest::newRow("Disney en magenta") << 2 << "&Disney"
                                           << "Disney" << 255 << 0 << 255;
        QTest::newRow("Formes en gris foncé") << 3 << "&Formes"
                                              << "Formes" << 64 << 64 << 64;
        QTest::newRow("Smileys en vert") << 4 << "&Smileys"
                                         << "Smileys" << 0 << 128 << 0;
        QTest::newRow("Toons en orange") << 5 << "&Toons"
                                         << "Toons" << 255 << 128 << 0;
    }
    void chaqueBoutonMontreSaSerieDansSaCouleur()
    {
        QFETCH(int, index);
        QFETCH(QString, legende);
        QFETCH(QString, serie);
        QFETCH(int, rouge);
        QFETCH(int, vert);
        QFETCH(int, bleu);
        QCOMPARE(BoutonsSeries()[index].Legende, legende);
        magasin.Remplir(serie, {30});

        AffichageScores(grille, magasin).Bouton_Click(index);

        QCOMPARE(magasin.Appels, QStringList{"ListerScores " + serie});
        QCOMPARE(grille.Legende, "Les meilleurs scores.    Série : " + serie);
        QCOMPARE(grille.CouleurTexte, (Couleur{rouge, vert, bleu}));
        QCOMPARE(grille.Ligne(0), (QStringList{"Prenom1", "NOM1", "01/04/2000", "30"}));
    }

    void dixLignesRemplissentLesLignesZeroANeufMeilleureDAbord()
    {
        magasin.Remplir(QStringLiteral("Animaux"), DixScores);
        AffichageScores(grille, magasin).Bouton_Click(0);

        QCOMPARE(grille.Ligne(0), (QStringList{"Prenom2", "NOM2", "02/04/2000", "25"}));
        QCOMPARE(grille.Ligne(9), (QStringList{"Prenom5", "NOM5", "05/04/2000", "50"}));
        for (int ligne = 1; ligne < 10; ++ligne)
            QVERIFY(grille.Cellules[ligne - 1][3].toInt() < grille.Cellules[ligne][3].toInt());
        QCOMPARE(grille.Ligne(10), QStringList(4, "intacte"));
    }

    void uneSerieCourteApresDixLignesNeLaisseRienDeLAutre()
    {
        magasin.Remplir(QStringLiteral("Animaux"), DixScores);
        magasin.Remplir(QStringLiteral("Disney"), {61, 27, 44});
        AffichageScores affichage(grille, magasin);
        affichage.Bouton_Click(0);
        affichage.Bouton_Click(2);

        QCOMPARE(grille.Ligne(0), (QStringList{"Prenom2", "NOM2", "02/04/2000", "27"}));
        QCOMPARE(grille.Ligne(2)[3], QStringLiteral("61"));
        for (int ligne = 3; ligne < 10; ++ligne)
            QVERIFY2(grille.LigneVide(ligne), qPrintable(grille.Ligne(ligne).join(' ')));
    }

    void toonsPuisFormesChangentLaCouleurDuTexte()
    {
        magasin.Remplir(QStringLiteral("Toons"), {30});
        magasin.Remplir(QStringLiteral("Formes"), {31});
        AffichageScores affichage(grille, magasin);
        affichage.Bouton_Click(5);
        QCOMPARE(grille.CouleurTexte, (Couleur{255, 128, 0}));
        affichage.Bouton_Click(3);
        QCOMPARE(grille.CouleurTexte, (Couleur{64, 64, 64}));
        QCOMPARE(grille.Ligne(0)[3], QStringLiteral("31"));
    }

    void laMemeSerieDeuxFoisEstRelueEtMontreLesMemesLignes()
    {
        magasin.Remplir(QStringLiteral("Cinéma"), DixScores);
        AffichageScores affichage(grille, magasin);
        affichage.Bouton_Click(1);
        QStringList premiere;
        for (int ligne = 0; ligne < 10; ++ligne)
            premiere << grille.Ligne(ligne);
        affichage.Bouton_Click(1);
        QStringList seconde;
        for (int ligne = 0; ligne < 10; ++ligne)
            seconde << grille.Ligne(ligne);

        QCOMPARE(magasin.Appels, QStringList(2, "ListerScores Cinéma"));
        QCOMPARE(seconde, premiere);
    }

    void uneTableDeDouzeLignesNEnMontreQueDix()
    {
        magasin.Remplir(QStringLiteral("Smileys"),
                        {60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49});
        AffichageScores(grille, magasin).Bouton_Click(4);

        QCOMPARE(grille.Cellules[0][3], QStringLiteral("49"));
        QCOMPARE(grille.Cellules[9][3], QStringLiteral("58"));
        QCOMPARE(grille.Ligne(10), QStringList(4, "intacte"));
        QCOMPARE(grille.EcrituresHorsGrille, 0);
    }

    void lesScoresEgauxGardentLOrdreDuMagasin()
    {
        magasin.Tables[QStringLiteral("Formes")] = {
            {"MARTIN", "Léa", QDate(1999, 12, 31), 30},
            {"DURAND", "Paul", QDate(2000, 1, 2), 28},
            {"BERNARD", "Zoé", QDate(2000, 2, 3), 30},
        };
        AffichageScores(grille, magasin).Bouton_Click(3);

        QCOMPARE(grille.Ligne(0), (QStringList{"Paul", "DURAND", "02/01/2000", "28"}));
        QCOMPARE(grille.Ligne(1), (QStringList{"Léa", "MARTIN", "31/12/1999", "30"}));
        QCOMPARE(grille.Ligne(2), (QStringList{"Zoé", "BERNARD", "03/02/2000", "30"}));
    }

    void desChampsAbsentsDonnentDesCellulesVides()
    {
        magasin.Tables[QStringLiteral("Disney")] = {{QString(), QString(), QDate(), 33}};
        AffichageScores(grille, magasin).Bouton_Click(2);
        QCOMPARE(grille.Ligne(0), (QStringList{"", "", "", "33"}));
    }

    void uneTableVideLaisseLaGrilleVide()
    {
        magasin.Remplir(QStringLiteral("Animaux"), DixScores);
        magasin.Tables[QStringLiteral("Toons")] = {};
        AffichageScores affichage(grille, magasin);
        affichage.Bouton_Click(0);
        affichage.Bouton_Click(5);
        for (int ligne = 0; ligne < 10; ++ligne)
            QVERIFY(grille.LigneVide(ligne));
        QCOMPARE(grille.Legende, QStringLiteral("Les meilleurs scores.    Série : Toons"));
    }

    void unEchecDuMagasinRemonteALaFenetre()
    {
        magasin.Remplir(QStringLiteral("Animaux"), {30});
        magasin.EchecAuProchainAppel = QStringLiteral("Scores.dat : fichier endommagé");
        AffichageScores affichage(grille, magasin);
        QVERIFY_THROWS_EXCEPTION(ErreurScores, affichage.Bouton_Click(0));
    }

    void unIndexHorsDesSixBoutonsNeFaitRien()
    {
        AffichageScores affichage(grille, magasin);
        affichage.Bouton_Click(-1);
        affichage.Bouton_Click(6);
        QVERIFY(magasin.Appels.isEmpty());
        QVERIFY(grille.Legende.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAffichageScores)
#include "tst_affichagescores.moc"
