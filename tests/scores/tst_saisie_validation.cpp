#include "FausseSaisie.h"
#include "FauxMagasin.h"
#include "SaisieScore.h"

#include <QtTest>

using namespace kalvoro;
using Controle = OperationsSaisie::Controle;

Q_DECLARE_METATYPE(OperationsSaisie::Controle)

namespace {

const QString Cinema = QStringLiteral("Cinéma");
const QDate Jour(2024, 3, 9);

// Une autre copie du programme inscrit un 25 juste après la lecture du plus mauvais score.
class MagasinConcurrent : public FauxMagasin {
public:
    int LirePlusMauvaisScore(const QString &serie) override
    {
        const int plusMauvais = FauxMagasin::LirePlusMauvaisScore(serie);
        Tables[serie].last().SCORE = 25;
        return plusMauvais;
    }
};

QString Refus(const QString &phrase)
{
    return QStringLiteral("Désolé, Bleu ROUGE,\n\n") + phrase +
           QStringLiteral("\n\nVous ne pouvez être classé.");
}

} // namespace

// Le bouton Valider : contrôle des noms, classement, meilleur score, fermeture ; et Annuler.
class TestSaisieValidation : public QObject {
    Q_OBJECT

    FausseSaisie dialogue;
    FausseFenetre jeu;
    FauxMagasin magasin;

    void Ouvrir(SaisieScore &saisie, const QString &prenom, const QString &nom)
    {
        saisie.Form_Load();
        dialogue.Prenom = prenom;
        dialogue.Nom = nom;
    }

private slots:
    void init()
    {
        dialogue = FausseSaisie();
        FinDePartie(jeu, Cinema, QStringLiteral("30"));
        magasin = FauxMagasin();
        magasin.Remplir(Cinema, {20, 26, 31});
    }

    void unNomVideEstRefuseSansToucherAuMagasin_data()
    {
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Controle>("focus");
        QTest::newRow("prénom vide") << ""
                                     << "ROUGE" << Controle::Prenom;
        QTest::newRow("nom vide") << "Bleu"
                                  << "" << Controle::Nom;
        QTest::newRow("les deux vides") << ""
                                        << "" << Controle::Prenom;
    }
    void unNomVideEstRefuseSansToucherAuMagasin()
    {
        QFETCH(QString, prenom);
        QFETCH(QString, nom);
        QFETCH(Controle, focus);
        SaisieScore saisie(dialogue, jeu, magasin);
        Ouvrir(saisie, prenom, nom);
        dialogue.Focus = Controle::Valider;
        saisie.Valider_Click();
        QCOMPARE(dialogue.Messages.size(), 1);
        QCOMPARE(dialogue.Messages[0].first, QStringLiteral("Erreur de saisie"));
        QCOMPARE(dialogue.Messages[0].second, QStringLiteral("Saisissez au moins une lettre !!!"));
        QCOMPARE(dialogue.Focus, focus);
        QVERIFY(magasin.Appels.isEmpty());
        QVERIFY(!dialogue.Fermee);
        QCOMPARE(jeu.ScoreEnCours, QStringLiteral("30"));
        QCOMPARE(jeu.MeilleurScore, MeilleurScoreTemoin);
    }

    void leScoreEstClasseContreLePlusMauvais_data()
    {
        QTest::addColumn<int>("plusMauvais");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("scoresApres");
        QTest::addColumn<QStringList>("appels");
        const QStringList lecture{"LirePlusMauvaisScore Cinéma"};
        const QStringList meilleur{"LireMeilleurScore Cinéma"};
        QTest::newRow("31 au magasin : inscrit sans message")
            << 31 << QString() << QList<int>{20, 26, 30}
            << lecture + QStringList{"RemplacerPlusMauvais Cinéma"} + meilleur;
        QTest::newRow("30 au magasin : égal") << 30 << Refus(TextesSaisie::PhraseEgal)
                                              << QList<int>{20, 26, 30} << lecture + meilleur;
        QTest::newRow("29 au magasin : plus mauvais")
            << 29 << Refus(TextesSaisie::PhrasePlusMauvais) << QList<int>{20, 26, 29}
            << lecture + meilleur;
    }
    void leScoreEstClasseContreLePlusMauvais()
    {
        QFETCH(int, plusMauvais);
        QFETCH(QString, message);
        QFETCH(QList<int>, scoresApres);
        QFETCH(QStringList, appels);
        magasin.Remplir(Cinema, {20, 26, plusMauvais});
        SaisieScore saisie(dialogue, jeu, magasin, [] { return Jour; });
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        saisie.Valider_Click();

        QCOMPARE(magasin.Appels, appels);
        QList<int> scores;
        for (const LigneScore &ligne : magasin.ListerScores(Cinema))
            scores << ligne.SCORE;
        QCOMPARE(scores, scoresApres);
        QCOMPARE(dialogue.Messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(dialogue.Messages[0].first, QStringLiteral("Saisie des scores"));
            QCOMPARE(dialogue.Messages[0].second, message);
        }
        QCOMPARE(jeu.MeilleurScore, QStringLiteral("20"));
        QCOMPARE(jeu.ScoreEnCours, QString());
        QVERIFY(dialogue.Fermee);
    }

    // Dans une autre langue, la liste et le dialogue montrent le nom traduit ; le score va
    // quand même dans la table au nom français, désignée par le numéro de la série.
    void unNomDeSerieTraduitInscritDansLaTableFrancaise()
    {
        FinDePartie(jeu, QStringLiteral("Movies"), QStringLiteral("30"));
        SaisieScore saisie(dialogue, jeu, magasin, [] { return Jour; });
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        QCOMPARE(dialogue.LireSerie(), QStringLiteral("Movies"));
        saisie.Valider_Click();
        QCOMPARE(magasin.Appels,
                 QStringList({"LirePlusMauvaisScore Cinéma", "RemplacerPlusMauvais Cinéma",
                              "LireMeilleurScore Cinéma"}));
    }

    void laLigneInscriteGardeLesNomsTelsQueSaisis_data()
    {
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("nom");
        QTest::newRow("apostrophes") << "Jean-Pierre"
                                     << "O'BRIEN D'ARC";
        QTest::newRow("points-virgules et SQL") << "X';DROP TABLE Toons;"
                                                << "SELECT * FROM CINÉMA";
        QTest::newRow("blancs seuls acceptés") << "   "
                                               << " ";
        QTest::newRow("guillemets") << "\"Bleu\""
                                    << "ROUGE \"ET\" NOIR";
    }
    void laLigneInscriteGardeLesNomsTelsQueSaisis()
    {
        QFETCH(QString, prenom);
        QFETCH(QString, nom);
        jeu.ScoreEnCours = QStringLiteral("19");
        SaisieScore saisie(dialogue, jeu, magasin, [] { return Jour; });
        Ouvrir(saisie, prenom, nom);
        saisie.Valider_Click();
        const LigneScore premiere = magasin.ListerScores(Cinema).first();
        QCOMPARE(premiere.PRENOM, prenom);
        QCOMPARE(premiere.NOM, nom);
        QCOMPARE(premiere.SCORE, 19);
        QCOMPARE(premiere.DATE, Jour);
        QCOMPARE(jeu.MeilleurScore, QStringLiteral("19"));
        QVERIFY(dialogue.Messages.isEmpty());
    }

    void leVerdictDuMagasinFaitFoiSiLaTableAChange()
    {
        MagasinConcurrent concurrent;
        concurrent.Remplir(Cinema, {20, 26, 31});
        SaisieScore saisie(dialogue, jeu, concurrent);
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        saisie.Valider_Click();
        QCOMPARE(dialogue.Messages.size(), 1);
        QCOMPARE(dialogue.Messages[0].second, Refus(TextesSaisie::PhrasePlusMauvais));
        for (const LigneScore &ligne : concurrent.ListerScores(Cinema))
            QVERIFY(ligne.NOM != QStringLiteral("ROUGE"));
        QVERIFY(dialogue.Fermee);
    }

    void unScoreQuiNEstPasUnNombreNestPasInscrit_data()
    {
        QTest::addColumn<QString>("score");
        QTest::newRow("vide") << "";
        QTest::newRow("texte") << "trente";
        QTest::newRow("zéro") << "0";
    }
    void unScoreQuiNEstPasUnNombreNestPasInscrit()
    {
        QFETCH(QString, score);
        jeu.ScoreEnCours = score;
        SaisieScore saisie(dialogue, jeu, magasin);
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        saisie.Valider_Click();
        QVERIFY(magasin.Appels.isEmpty());
        QCOMPARE(dialogue.Messages.size(), 1);
        QVERIFY(dialogue.Messages[0].second.contains(QStringLiteral("rien n'est enregistré")));
        QVERIFY(dialogue.Fermee);
    }

    void uneErreurDuMagasinRemonteSansFermerNiVider()
    {
        magasin.EchecAuProchainAppel = QStringLiteral("disque plein");
        SaisieScore saisie(dialogue, jeu, magasin);
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        QVERIFY_THROWS_EXCEPTION(ErreurScores, saisie.Valider_Click());
        QVERIFY(!dialogue.Fermee);
        QCOMPARE(jeu.ScoreEnCours, QStringLiteral("30"));
        QCOMPARE(magasin.ListerScores(Cinema).last().SCORE, 31);
    }

    // Réessayer reprend où le fichier occupé a arrêté : un score déjà inscrit ne l'est pas deux
    // fois (le second essai le trouverait égal au plus mauvais et dirait qu'il n'entre pas).
    void unFichierOccupeApresLInscriptionNeLaRefaitPas()
    {
        magasin.OccupeUneFois = QStringList{"LireMeilleurScore"};
        dialogue.ReponsesReessai = {true};
        SaisieScore saisie(dialogue, jeu, magasin);
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        saisie.Valider_Click();
        QCOMPARE(magasin.Appels.filter("RemplacerPlusMauvais").size(), 1);
        QCOMPARE(dialogue.Reessais.size(), 1);
        QVERIFY(dialogue.Messages.isEmpty());
        QCOMPARE(jeu.MeilleurScore, QStringLiteral("20"));
        QVERIFY(dialogue.Fermee);
    }

    void annulerNEcritRienEtVideLeScoreEnCours()
    {
        SaisieScore saisie(dialogue, jeu, magasin);
        Ouvrir(saisie, QStringLiteral("Bleu"), QStringLiteral("ROUGE"));
        saisie.Annuler_Click();
        QVERIFY(magasin.Appels.isEmpty());
        QVERIFY(dialogue.Messages.isEmpty());
        QCOMPARE(jeu.MeilleurScore, MeilleurScoreTemoin);
        QCOMPARE(jeu.ScoreEnCours, QString());
        QVERIFY(dialogue.Fermee);
    }
};

QTEST_GUILESS_MAIN(TestSaisieValidation)
#include "tst_saisie_validation.moc"
