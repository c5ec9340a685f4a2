#include "FausseSaisie.h"
#include "FauxMagasin.h"
#include "Majuscules.h"
#include "SaisieScore.h"

#include <QtTest>

using namespace kalvoro;
using Controle = OperationsSaisie::Controle;

Q_DECLARE_METATYPE(OperationsSaisie::Controle)

// L'ouverture du dialogue et ce que deviennent les touches tapées dans Prenom et Nom.
class TestSaisieFiltres : public QObject {
    Q_OBJECT

    FausseSaisie dialogue;
    FausseFenetre jeu;
    FauxMagasin magasin;

private slots:
    void init()
    {
        dialogue = FausseSaisie();
        FinDePartie(jeu, QStringLiteral("Cinéma"), QStringLiteral("30"));
        magasin = FauxMagasin();
    }

    void lOuvertureRecopieSerieEtScoreEtCentreLesBoutons_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("largeurBoite");
        QTest::addColumn<int>("gauche");
        QTest::newRow("dialogue dessiné, en pixels") << 361 << 185 << 88;
        QTest::newRow("différence impaire arrondie") << 100 << 31 << 34;
    }
    void lOuvertureRecopieSerieEtScoreEtCentreLesBoutons()
    {
        QFETCH(int, largeur);
        QFETCH(int, largeurBoite);
        QFETCH(int, gauche);
        dialogue.Largeur = largeur;
        dialogue.LargeurBoite = largeurBoite;
        FinDePartie(jeu, QStringLiteral("Cinéma"), QStringLiteral("37"));
        SaisieScore(dialogue, jeu, magasin).Form_Load();
        QCOMPARE(dialogue.GaucheBoite, gauche);
        QCOMPARE(dialogue.Serie, QStringLiteral("Cinéma"));
        QCOMPARE(dialogue.Score, QStringLiteral("37"));
        QVERIFY(magasin.Appels.isEmpty());
        QCOMPARE(jeu.MeilleurScore, MeilleurScoreTemoin);
    }

    void laFrappeDonneLesCapitalesAttendues_data()
    {
        QTest::addColumn<Controle>("zone");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("obtenu");
        const auto P = Controle::Prenom, N = Controle::Nom;
        QTest::newRow("bleu vert") << P << "bleu vert"
                                   << "Bleu Vert";
        QTest::newRow("le trait d'union ne sépare pas") << P << "bleu-vert"
                                                        << "Bleu-vert";
        QTest::newRow("blancs répétés") << P << "jean  paul"
                                        << "Jean  Paul";
        QTest::newRow("prénom à initiale accentuée") << P << "élodie ève"
                                                     << "Élodie Ève";
        QTest::newRow("les autres lettres restent telles") << P << "mARIE"
                                                           << "MARIE";
        QTest::newRow("rouge") << N << "rouge"
                               << "ROUGE";
        QTest::newRow("été") << N << "été"
                             << "ÉTÉ";
        QTest::newRow("ligatures et trémas") << N << "cœur çà ÿ"
                                             << "CŒUR ÇÀ Ÿ";
        QTest::newRow("chiffres et blancs") << N << "r2 d2"
                                            << "R2 D2";
        QTest::newRow("apostrophe") << N << "o'brien"
                                    << "O'BRIEN";
    }
    void laFrappeDonneLesCapitalesAttendues()
    {
        QFETCH(Controle, zone);
        QFETCH(QString, tape);
        QFETCH(QString, obtenu);
        SaisieScore saisie(dialogue, jeu, magasin);
        dialogue.Taper(saisie, zone, tape);
        QCOMPARE(zone == Controle::Prenom ? dialogue.Prenom : dialogue.Nom, obtenu);
    }

    void cestLaFinDuTexteQuiCompteEtNonLeCurseur()
    {
        SaisieScore saisie(dialogue, jeu, magasin);
        dialogue.Taper(saisie, Controle::Prenom, QStringLiteral("bleu "));
        dialogue.Taper(saisie, Controle::Prenom, QStringLiteral("x"), 0);
        QCOMPARE(dialogue.Prenom, QStringLiteral("XBleu "));
        dialogue.Taper(saisie, Controle::Prenom, QStringLiteral("v"));
        dialogue.Taper(saisie, Controle::Prenom, QStringLiteral("y"), 0);
        QCOMPARE(dialogue.Prenom, QStringLiteral("yXBleu V"));
    }

    void lesMajusculesSuiventLeJeuDeLInterface_data()
    {
        QTest::addColumn<QChar>("tape");
        QTest::addColumn<QChar>("obtenu");
        QTest::newRow("é") << QChar(u'é') << QChar(u'É');
        QTest::newRow("à") << QChar(u'à') << QChar(u'À');
        QTest::newRow("ç") << QChar(u'ç') << QChar(u'Ç');
        QTest::newRow("œ") << QChar(u'œ') << QChar(u'Œ');
        QTest::newRow("ÿ, dont la capitale est hors de Latin-1") << QChar(u'ÿ') << QChar(u'Ÿ');
        QTest::newRow("š") << QChar(u'š') << QChar(u'Š');
        QTest::newRow("ß n'a pas de capitale") << QChar(u'ß') << QChar(u'ß');
        QTest::newRow("µ ne devient pas un mu grec") << QChar(u'µ') << QChar(u'µ');
        QTest::newRow("ƒ reste ƒ") << QChar(u'ƒ') << QChar(u'ƒ');
        QTest::newRow("déjà capitale") << QChar(u'É') << QChar(u'É');
        QTest::newRow("chiffre") << QChar(u'7') << QChar(u'7');
        QTest::newRow("blanc") << QChar(u' ') << QChar(u' ');
        QTest::newRow("retour arrière") << QChar(8) << QChar(8);
        QTest::newRow("hors du jeu de l'interface") << QChar(u'ı') << QChar(u'ı');
    }
    void lesMajusculesSuiventLeJeuDeLInterface()
    {
        QFETCH(QChar, tape);
        QFETCH(QChar, obtenu);
        QCOMPARE(MajusculeInterface(tape), obtenu);
        SaisieScore saisie(dialogue, jeu, magasin);
        QCOMPARE(saisie.Nom_KeyPress(tape), std::optional<QChar>(obtenu));
        QCOMPARE(saisie.Prenom_KeyPress(tape), std::optional<QChar>(obtenu));
    }

    void leRetourArriereNeCapitalisePasLePrenom()
    {
        SaisieScore saisie(dialogue, jeu, magasin);
        dialogue.Prenom = QStringLiteral("Bleu ");
        QCOMPARE(saisie.Prenom_KeyPress(QChar(8)), std::optional<QChar>(QChar(8)));
    }

    void entreeDeplaceLeFocusEtNAjouteRien_data()
    {
        QTest::addColumn<Controle>("zone");
        QTest::addColumn<Controle>("focus");
        QTest::newRow("Prenom vers Nom") << Controle::Prenom << Controle::Nom;
        QTest::newRow("Nom vers Valider") << Controle::Nom << Controle::Valider;
    }
    void entreeDeplaceLeFocusEtNAjouteRien()
    {
        QFETCH(Controle, zone);
        QFETCH(Controle, focus);
        SaisieScore saisie(dialogue, jeu, magasin);
        dialogue.Focus = zone;
        dialogue.Taper(saisie, zone, QStringLiteral("ab\rc"));
        QCOMPARE(dialogue.Focus, focus);
        QCOMPARE((zone == Controle::Prenom ? dialogue.Prenom : dialogue.Nom).size(), 3);
        QVERIFY(dialogue.Messages.isEmpty());
        QVERIFY(magasin.Appels.isEmpty());
        QVERIFY(!dialogue.Fermee);
    }
};

QTEST_GUILESS_MAIN(TestSaisieFiltres)
#include "tst_saisie_filtres.moc"
