#include "JoueurOrdinateur.h"
#include "PlateauDeTest.h"

#include <QtTest>
#include <random>

using namespace kalvoro;

namespace {

QList<Joueur> Personnes(int nombre)
{
    QList<Joueur> joueurs;
    for (const char *prenom : {"Léa", "Tom", "Zoé", "Max"})
        joueurs.append({QString::fromUtf8(prenom), std::nullopt});
    return joueurs.mid(0, nombre);
}

// Une suite de x fixée par sa graine.
std::function<float()> Source(unsigned graine)
{
    auto generateur = std::make_shared<std::mt19937>(graine);
    return [generateur] { return float((*generateur)() >> 8) / 16777216.0f; };
}

} // namespace

// À plusieurs, donne forcée : la cellule k porte la carte k, les paires sont k et k + Paires().
class TestJoueurs : public QObject {
    Q_OBJECT
private slots:
    void laMain_passeSurUnRate_resteSurUnePaire_data()
    {
        QTest::addColumn<TaillePlateau>("taille");
        QTest::addColumn<QString>("tours"); // P : une paire, R : un raté
        QTest::addColumn<int>("main");
        QTest::addColumn<QList<int>>("paires"); // une par joueur
        QTest::newRow("à deux, un raté la passe") << TailleClassique << "R" << 1 << QList{0, 0};
        QTest::newRow("à deux, une paire la garde") << TailleMoyenne << "PP" << 0 << QList{2, 0};
        QTest::newRow("à trois, elle revient au premier")
            << TailleMoyenne << "RRRP" << 0 << QList{1, 0, 0};
        QTest::newRow("à quatre, au 4 × 3") << TaillePetite << "RPRP" << 2 << QList{0, 1, 1, 0};
    }
    void laMain_passeSurUnRate_resteSurUnePaire()
    {
        QFETCH(TaillePlateau, taille);
        QFETCH(QString, tours);
        QFETCH(QList<int>, paires);
        PlateauDeTest plateau(QStringLiteral("Animaux"), taille);
        const int nombre = int(paires.size());
        plateau.fenetre.Joueurs = Personnes(nombre);
        const int p = taille.Paires();
        int trouvees = 0;
        for (QChar tour : tours)
            tour == u'P' ? (++trouvees, plateau.Tour(trouvees, trouvees + p))
                         : plateau.Tour(p - 1, p);
        QTEST(plateau.partie.LaTablee().Courant(), "main");
        for (int j = 0; j < nombre; ++j)
            QCOMPARE(plateau.partie.LaTablee().PairesDe(j), paires[j]);
    }

    void classement_data()
    {
        QTest::addColumn<QList<int>>("paires");
        QTest::addColumn<QString>("texte");
        QTest::newRow("le premier gagne") << QList{7, 5} << "Léa gagne avec 7 paires, Tom 5 paires";
        QTest::newRow("deux ex aequo")
            << QList{3, 3, 1} << "Léa et Tom gagnent avec 3 paires, Zoé 1 paire";
        QTest::newRow("trois ex aequo")
            << QList{0, 2, 2, 2} << "Tom, Zoé et Max gagnent avec 2 paires, Léa aucune paire";
    }
    void classement()
    {
        QFETCH(QList<int>, paires);
        Tablee tablee(Personnes(int(paires.size())));
        for (int trouvees : paires) {
            for (int k = 0; k < trouvees; ++k)
                tablee.FinirTour(true);
            tablee.FinirTour(false);
        }
        QTEST(tablee.Classement(), "texte");
    }

    void finAPlusieurs_classementSansTableau_puisMemesJoueurs()
    {
        PlateauDeTest plateau(QStringLiteral("Animaux"), TaillePetite);
        plateau.fenetre.Joueurs = Personnes(2);
        plateau.fenetre.Reponse = ReponseOui;
        plateau.Tour(5, 6);
        for (int k = 1; k <= 6; ++k)
            plateau.Tour(k, k + 6);
        QCOMPARE(plateau.fenetre.Boites.size(), 1);
        QCOMPARE(plateau.fenetre.Boites[0].texte,
                 "La partie est terminée !!\n\nTom gagne avec 6 paires, Léa aucune paire.\n\n"
                 "Rejouer avec les mêmes joueurs ?");
        QVERIFY(plateau.fenetre.Enregistrements.isEmpty());
        QCOMPARE(plateau.fenetre.Rejouees, 1);
        QVERIFY(plateau.AuRepos());
    }

    // Trente parties entières contre l'ordinateur, à ses trois niveaux : il ne retourne jamais
    // une carte déjà face visible ni une carte retirée, et chacune va jusqu'au classement.
    void ordinateur_neRetourneQueDesCartesEnJeu()
    {
        for (unsigned graine = 1; graine <= 30; ++graine) {
            FausseFenetre fenetre;
            Partie partie(fenetre, Source(graine));
            fenetre.Joueurs = {{"Léa", std::nullopt}, {"Ordinateur", NiveauOrdinateur(graine % 3)}};
            RemplirListeJeux(fenetre);
            fenetre.Choisir(QStringLiteral("Animaux"));
            ChoisirSerie(fenetre, [](const QString &) { return QString(); });
            for (int tics = 0; fenetre.Boites.isEmpty() && tics < 100000; ++tics) {
                if (fenetre.MinuterieEnMarche) {
                    partie.Minuterie_Timer();
                    continue;
                }
                const QList<int> dos = fenetre.CellulesDeDos(); // Léa prend les deux premières
                partie.Bouton_Click(dos[0]);
                partie.Bouton_Click(dos[1]);
            }
            QCOMPARE(fenetre.FacesSurCarteAbsente, 0);
            QCOMPARE(fenetre.Boites.size(), 1);
        }
    }

    // Une paire vue (cellules 1 et 13), puis une fin de tour : plus le niveau est fort, plus
    // souvent il la retrouve. Une carte qu'il n'a pas vue est ici la 48, sans jumelle connue.
    void ordinateur_saMemoireDependDuNiveau()
    {
        QList<int> retrouvees;
        for (const auto niveau :
             {NiveauOrdinateur::Facile, NiveauOrdinateur::Moyen, NiveauOrdinateur::Fort}) {
            retrouvees << 0;
            for (unsigned essai = 0; essai < 300; ++essai) {
                JoueurOrdinateur ordinateur(niveau, Source(essai), 24);
                QList<int> jouables;
                for (int cellule = 1; cellule <= 48; ++cellule)
                    jouables << cellule;
                ordinateur.Voir(1, 1);
                ordinateur.Voir(13, 25);
                ordinateur.Oublier();
                const int premiere = ordinateur.ChoisirPremiere(jouables);
                jouables.removeOne(premiere);
                const int carte = premiere == 1 ? 1 : premiere == 13 ? 25 : 48;
                const int seconde = ordinateur.ChoisirSeconde(carte, jouables);
                retrouvees.last() += premiere + seconde == 14 && std::min(premiere, seconde) == 1;
            }
        }
        QVERIFY2(retrouvees[0] < retrouvees[1] && retrouvees[1] < retrouvees[2],
                 qPrintable(QDebug::toString(retrouvees)));
    }
};

QTEST_APPLESS_MAIN(TestJoueurs)
#include "tst_joueurs.moc"
