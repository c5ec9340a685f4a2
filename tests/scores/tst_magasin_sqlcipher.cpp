#include "FichierEssai.h"
#include "MagasinAvecSeries.h"
#include "MagasinSqlcipher.h"
#include "ScoresSerie.h"
#include "ScoresTailles.h"
#include "Series.h"

#include <QtTest>

using namespace kalvoro;

namespace {

QList<int> Scores(const QList<LigneScore> &lignes)
{
    QList<int> scores;
    for (const LigneScore &ligne : lignes)
        scores << ligne.SCORE;
    return scores;
}

QStringList Noms(const QList<LigneScore> &lignes)
{
    QStringList noms;
    for (const LigneScore &ligne : lignes)
        noms << ligne.NOM;
    return noms;
}

const QDate Jour(2026, 3, 5);

// Le message de l'ErreurScores que lève operation, vide si elle n'en lève pas.
QString Refus(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const ErreurScores &erreur) {
        return erreur.Message();
    }
    return {};
}

} // namespace

// Le classement sur une copie du fichier livré : règle d'entrée, ordre numérique, égalités,
// séries isolées les unes des autres.
class TestMagasinSqlcipher : public QObject {
    Q_OBJECT
private slots:
    void leFichierLivreADixLignesClasseesParSerie()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        for (const Serie &serie : Series()) {
            const QList<int> scores = Scores(base.ListerScores(serie.Nom));
            QCOMPARE(scores.size(), 10);
            QVERIFY(std::is_sorted(scores.begin(), scores.end()));
            // Une bonne partie doit pouvoir entrer : ni trop bas ni trop haut.
            QVERIFY2(scores.first() >= 30 && scores.last() <= 95, qPrintable(serie.Nom));
            QCOMPARE(base.LireMeilleurScore(serie.Nom), QString::number(scores.first()));
            QCOMPARE(base.LirePlusMauvaisScore(serie.Nom), scores.last());
        }
    }

    void unScoreEntreSeulementSIlEstStrictementMeilleurQueLeDernier_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("resultat");
        QTest::addColumn<QList<int>>("attendus");
        const auto ligne = [](const char *nom, int score, Classement resultat,
                              QList<int> attendus) {
            QTest::newRow(nom) << score << int(resultat) << attendus;
        };
        ligne("égal au dernier", 70, Classement::Egal, {40, 50, 60, 70});
        ligne("un de moins que le dernier", 69, Classement::Inscrit, {40, 50, 60, 69});
        ligne("un de plus que le dernier", 71, Classement::PlusMauvais, {40, 50, 60, 70});
        ligne("nouveau meilleur", 24, Classement::Inscrit, {24, 40, 50, 60});
        ligne("entre deux lignes", 55, Classement::Inscrit, {40, 50, 55, 60});
    }
    void unScoreEntreSeulementSIlEstStrictementMeilleurQueLeDernier()
    {
        QFETCH(int, score);
        QFETCH(int, resultat);
        QFETCH(QList<int>, attendus);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(copie.Remplir("Formes", {60, 40, 70, 50}), QString());
        MagasinSqlcipher base(copie.Chemin());

        QCOMPARE(int(base.RemplacerPlusMauvais("Formes", "DURAND", "Paul", score, Jour)), resultat);
        QCOMPARE(Scores(base.ListerScores("Formes")), attendus);
        QCOMPARE(base.LireMeilleurScore("Formes"), QString::number(attendus.first()));
        QCOMPARE(base.LirePlusMauvaisScore("Formes"), attendus.last());
        // Relu par une autre connexion : l'inscription est bien dans le fichier.
        QCOMPARE(MagasinSqlcipher(copie.Chemin()).ListerScores("Formes"),
                 base.ListerScores("Formes"));
    }

    void laLigneInscriteGardeSesChampsEtPrendSaPlace()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        const QString meilleurAvant = base.LireMeilleurScore("Disney");
        QCOMPARE(base.RemplacerPlusMauvais("Disney", "DE LA FONTAINE ", " Anne-Sophie", 24, Jour),
                 Classement::Inscrit);
        const LigneScore premiere = base.ListerScores("Disney").first();
        QCOMPARE(premiere, (LigneScore{"DE LA FONTAINE ", " Anne-Sophie", Jour, 24}));
        QCOMPARE(base.LireMeilleurScore("Disney"), QStringLiteral("24"));
        QVERIFY(meilleurAvant != QStringLiteral("24"));
        QCOMPARE(copie.Sql("SELECT DATE FROM Disney WHERE SCORE = 24;"), QString());
        QCOMPARE(essai::Shell(copie.Chemin(), "SELECT DATE, typeof(SCORE) FROM Disney WHERE "
                                              "SCORE = 24;")
                     .Texte,
                 QStringLiteral("2026-03-05|integer"));
    }

    void lesScoresSeTrientCommeDesNombres()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(copie.Remplir("Smileys", {100, 9, 10}), QString());
        MagasinSqlcipher base(copie.Chemin());
        QCOMPARE(Scores(base.ListerScores("Smileys")), (QList<int>{9, 10, 100}));
        QCOMPARE(base.LireMeilleurScore("Smileys"), QStringLiteral("9"));
        QCOMPARE(base.LirePlusMauvaisScore("Smileys"), 100);
        QCOMPARE(base.RemplacerPlusMauvais("Smileys", "X", "Y", 11, Jour), Classement::Inscrit);
        QCOMPARE(Scores(base.ListerScores("Smileys")), (QList<int>{9, 10, 11}));
    }

    // Deux lignes à égalité au dernier rang : une seule est écrasée, celle que la liste
    // montre en dernier.
    void uneEgaliteAuDernierRangNeCoutequUneLigne()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(copie.Remplir("Animaux", {50, 30, 50}), QString());
        MagasinSqlcipher base(copie.Chemin());
        const QString derniere = base.ListerScores("Animaux").last().NOM;
        QCOMPARE(base.RemplacerPlusMauvais("Animaux", "NEUF", "Léa", 40, Jour),
                 Classement::Inscrit);
        const QList<LigneScore> apres = base.ListerScores("Animaux");
        QCOMPARE(Scores(apres), (QList<int>{30, 40, 50}));
        QVERIFY(!Noms(apres).contains(derniere));
        QCOMPARE(base.RemplacerPlusMauvais("Animaux", "AUTRE", "Léo", 50, Jour), Classement::Egal);
    }

    void uneTableDUneLigneEnEstLeMeilleurEtLeDernier()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(copie.Remplir("Toons", {42}), QString());
        MagasinSqlcipher base(copie.Chemin());
        QCOMPARE(base.LireMeilleurScore("Toons"), QStringLiteral("42"));
        QCOMPARE(base.LirePlusMauvaisScore("Toons"), 42);
        QCOMPARE(base.RemplacerPlusMauvais("Toons", "SEUL", "Max", 41, Jour), Classement::Inscrit);
        QCOMPARE(base.ListerScores("Toons"), (QList<LigneScore>{{"SEUL", "Max", Jour, 41}}));
    }

    void uneInscriptionNeToucheAucuneAutreSerie()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        QMap<QString, QList<LigneScore>> avant;
        for (const Serie &serie : Series())
            avant[serie.Nom] = base.ListerScores(serie.Nom);
        QCOMPARE(base.RemplacerPlusMauvais("Cinéma", "ÉTIENNE", "Zoé", 25, Jour),
                 Classement::Inscrit);
        for (const Serie &serie : Series())
            if (serie.Nom != QStringLiteral("Cinéma"))
                QCOMPARE(base.ListerScores(serie.Nom), avant[serie.Nom]);
        // La table "Cinéma", accent compris, est bien celle qui a reçu la ligne.
        QCOMPARE(essai::Shell(copie.Chemin(), "SELECT NOM, PRENOM FROM \"Cinéma\" "
                                              "WHERE SCORE = 25;")
                     .Texte,
                 QStringLiteral("ÉTIENNE|Zoé"));
    }

    void unNomHorsDesSixSeriesEstRefuseSansToucherLeFichier_data()
    {
        QTest::addColumn<QString>("serie");
        QTest::newRow("sans accent") << "Cinema";
        QTest::newRow("minuscule") << "animaux";
        QTest::newRow("vide") << "";
        QTest::newRow("table du moteur") << "sqlite_master";
        QTest::newRow("injection") << "Animaux\" ; DROP TABLE \"Formes";
        QTest::newRow("blanc en plus") << "Toons ";
    }
    void unNomHorsDesSixSeriesEstRefuseSansToucherLeFichier()
    {
        QFETCH(QString, serie);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        const QByteArray octets = essai::Octets(copie.Chemin());
        MagasinSqlcipher base(copie.Chemin());
        QVERIFY_THROWS_EXCEPTION(ErreurScores, base.LireMeilleurScore(serie));
        QVERIFY_THROWS_EXCEPTION(ErreurScores, base.LirePlusMauvaisScore(serie));
        QVERIFY_THROWS_EXCEPTION(ErreurScores, base.ListerScores(serie));
        try {
            base.RemplacerPlusMauvais(serie, "X", "Y", 1, Jour);
            QFAIL("une série inconnue a été acceptée");
        } catch (const ErreurScores &erreur) {
            QVERIFY2(erreur.Message().contains(QStringLiteral("aucune des six séries")),
                     erreur.what());
        }
        QCOMPARE(essai::Octets(copie.Chemin()), octets);
    }

    void lesTextesSontStockesTelsQuelsSansEtreInterpretes()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        const QString nom = QStringLiteral("O'HARA\"); DROP TABLE x--");
        QCOMPARE(base.RemplacerPlusMauvais("Formes", nom, "'; --", 20, Jour), Classement::Inscrit);
        const LigneScore premiere = base.ListerScores("Formes").first();
        QCOMPARE(premiere.NOM, nom);
        QCOMPARE(premiere.PRENOM, QStringLiteral("'; --"));
        for (const Serie &serie : Series())
            QCOMPARE(base.ListerScores(serie.Nom).size(), 10);
    }

    void lesLongueursDesNomsSontBornees_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("nom de 25") << QString(25, 'A') << "Jo" << true;
        QTest::newRow("nom de 25 accentués") << QString(25, QChar(0xC9)) << "Jo" << true;
        QTest::newRow("nom de 26") << QString(26, 'A') << "Jo" << false;
        QTest::newRow("prénom de 20") << "NOM" << QString(20, QChar(0xE9)) << true;
        QTest::newRow("prénom de 21") << "NOM" << QString(21, 'e') << false;
        // Des caractères tels que le joueur les voit, écrits sous leur forme composée.
        QTest::newRow("nom de 25 à accents combinants")
            << QString("E\u0301").repeated(25) << "Jo" << true;
        QTest::newRow("prénom de 21 émojis")
            << "NOM" << QString("\U0001F600").repeated(21) << false;
        QTest::newRow("« %1 » dans un nom de 26") << "A%1B%2" + QString(20, 'C') << "Jo" << false;
    }
    void lesLongueursDesNomsSontBornees()
    {
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(bool, accepte);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        const QList<LigneScore> avant = base.ListerScores("Toons");
        if (accepte) {
            QCOMPARE(base.RemplacerPlusMauvais("Toons", nom, prenom, 24, Jour),
                     Classement::Inscrit);
            const auto nfc = QString::NormalizationForm_C;
            QCOMPARE(base.ListerScores("Toons").first(),
                     (LigneScore{nom.normalized(nfc), prenom.normalized(nfc), Jour, 24}));
        } else {
            try {
                base.RemplacerPlusMauvais("Toons", nom, prenom, 24, Jour);
                QFAIL("un nom trop long a été accepté");
            } catch (const ErreurScores &erreur) { // le nom refusé, intact, et la limite
                QVERIFY2(erreur.Message().contains(
                             QRegularExpression("« (" + QRegularExpression::escape(nom) + "|" +
                                                prenom + ") » a plus de 2[05] ")),
                         erreur.what());
            }
            QCOMPARE(base.ListerScores("Toons"), avant);
        }
    }

    // Seules les dix meilleures lignes comptent : un score qui ne bat pas la dixième serait
    // inscrit sans jamais paraître. La ligne écrasée reste la dernière de la table.
    void uneTableDeOnzeLignesNeCompteQueSesDixMeilleures()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(copie.Remplir("Formes", {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}),
                 QString());
        MagasinSqlcipher base(copie.Chemin());
        QCOMPARE(base.LirePlusMauvaisScore("Formes"), 100);
        for (const auto &[score, resultat] : {std::pair{105, Classement::PlusMauvais},
                                              {100, Classement::Egal},
                                              {95, Classement::Inscrit}})
            QCOMPARE(base.RemplacerPlusMauvais("Formes", "X", "Y", score, Jour), resultat);
        QCOMPARE(Scores(base.ListerScores("Formes")),
                 (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100}));
    }

    void uneTableVideeEnCoursDeRouteDonneUneErreurClaire()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        MagasinSqlcipher base(copie.Chemin());
        QCOMPARE(copie.Sql("DELETE FROM Formes;"), QString());
        QCOMPARE(base.LireMeilleurScore("Formes"), QString());
        QVERIFY(base.ListerScores("Formes").isEmpty());
        try {
            base.RemplacerPlusMauvais("Formes", "X", "Y", 30, Jour);
            QFAIL("une table vide a reçu une inscription");
        } catch (const ErreurScores &erreur) {
            QVERIFY2(erreur.Message().contains(QStringLiteral("« Formes »")) &&
                         erreur.Message().contains(QStringLiteral("est vide")),
                     erreur.what());
        }
        QCOMPARE(essai::Shell(copie.Chemin(), "SELECT count(*) FROM Formes;").Texte,
                 QStringLiteral("0"));
    }

    // Le fichier d'une série du joueur commence vide : chaque score y entre par une ligne de
    // plus jusqu'à dix, puis, comme dans Scores.dat, doit battre le dixième.
    void uneSerieDuJoueurSeRemplitJusquADixPuisEcraseLePlusMauvais()
    {
        essai::Copie copie;
        CreerScoresSerie(copie.SerieJoueur());
        // Lisible par le shell avec les commandes de Scores.dat, au même format.
        QCOMPARE(essai::Shell(copie.SerieJoueur(), "PRAGMA page_size; PRAGMA integrity_check; "
                                                   "SELECT count(*) FROM Scores;")
                     .Texte,
                 QStringLiteral("1024\nok\n0"));
        const auto base = OuvrirScoresSerie(copie.SerieJoueur());
        const QString cle = PalmaresSerieJoueur(QStringLiteral("00c0ffee00c0ffee"));
        QCOMPARE(base->LireMeilleurScore(cle), QString());
        for (int score : {90, 30, 60, 60, 45, 80, 75, 24, 99, 50}) {
            QCOMPARE(base->LirePlusMauvaisScore(cle), INT_MAX);
            QCOMPARE(base->RemplacerPlusMauvais(cle, "N", "P", score, Jour), Classement::Inscrit);
        }
        QCOMPARE(Scores(base->ListerScores(cle)),
                 (QList<int>{24, 30, 45, 50, 60, 60, 75, 80, 90, 99}));
        QCOMPARE(base->LireMeilleurScore(cle), QStringLiteral("24"));
        QCOMPARE(base->LirePlusMauvaisScore(cle), 99);
        QCOMPARE(base->RemplacerPlusMauvais(cle, "X", "Y", 99, Jour), Classement::Egal);
        QCOMPARE(base->RemplacerPlusMauvais(cle, "X", "Y", 100, Jour), Classement::PlusMauvais);
        QCOMPARE(base->RemplacerPlusMauvais(cle, "X", "Y", 40, Jour), Classement::Inscrit);
        QCOMPARE(Scores(base->ListerScores(cle)),
                 (QList<int>{24, 30, 40, 45, 50, 60, 60, 75, 80, 90}));
        QVERIFY(Refus([&] { base->ListerScores("Animaux"); }).contains("aucune série du joueur"));
    }

    // Un échec de la création ne laisse rien ; un fichier déjà là n'est jamais remplacé.
    void creerUneSerieNeLaisseQueLeFichierFiniOuRien_data()
    {
        QTest::addColumn<QString>("present"); // un fichier déjà dans le dossier
        QTest::addColumn<QString>("cible");
        QTest::addColumn<bool>("cree");
        const auto ligne = [](const char *nom, const char *present, const char *cible, bool cree) {
            QTest::newRow(nom) << present << cible << cree;
        };
        ligne("dossier vide", "", "serie.dat", true);
        ligne("reste d'une création interrompue", "serie.dat.creation", "serie.dat", true);
        ligne("nom déjà pris", "serie.dat", "serie.dat", false);
        ligne("dossier absent", "", "absent/serie.dat", false);
    }
    void creerUneSerieNeLaisseQueLeFichierFiniOuRien()
    {
        QFETCH(QString, present);
        QFETCH(QString, cible);
        QFETCH(bool, cree);
        QTemporaryDir dossier;
        QFile fichier(dossier.filePath(present));
        QVERIFY(present.isEmpty() || (fichier.open(QIODevice::WriteOnly) && fichier.write("x")));
        fichier.close();
        const QString message = Refus([&] { CreerScoresSerie(dossier.filePath(cible)); });
        QCOMPARE(message.isEmpty(), cree);
        QVERIFY2(cree || message.contains(dossier.filePath(cible)), qPrintable(message));
        const QStringList fichiers = QDir(dossier.path()).entryList(QDir::Files);
        const QString reste = cree ? cible : present;
        QCOMPARE(fichiers, reste.isEmpty() ? QStringList() : QStringList{reste});
        QVERIFY(present.isEmpty() || cree || essai::Octets(fichier.fileName()) == "x");
        if (cree)
            QVERIFY(OuvrirScoresSerie(dossier.filePath(cible))->ListerScores("serie:1").isEmpty());
    }

    // Chaque clé va à son fichier, ouvert une fois ; Scores.dat garde ses six tables.
    void leMagasinDuProgrammeEnvoieChaqueSerieASonFichier()
    {
        essai::Copie copie;
        const auto fichier = [&](const QString &id) { return copie.Dossier() + '/' + id + ".dat"; };
        CreerScoresSerie(fichier("a"));
        CreerScoresSerie(fichier("b"));
        QStringList ouvertures;
        MagasinAvecSeries magasin(std::make_unique<MagasinSqlcipher>(copie.Chemin()),
                                  [&](const QString &id) -> std::unique_ptr<MagasinScores> {
                                      ouvertures << id;
                                      return id == "perdue" ? nullptr
                                                            : OuvrirScoresSerie(fichier(id));
                                  });
        const QByteArray livre = essai::Octets(copie.Chemin());
        const QString a = PalmaresSerieJoueur("a");
        QCOMPARE(magasin.RemplacerPlusMauvais(a, "A", "Ada", 50, Jour), Classement::Inscrit);
        QCOMPARE(magasin.RemplacerPlusMauvais(a, "A", "Ada", 40, Jour), Classement::Inscrit);
        QCOMPARE(Scores(magasin.ListerScores(a)), (QList<int>{40, 50}));
        QVERIFY(magasin.ListerScores(PalmaresSerieJoueur("b")).isEmpty());
        QCOMPARE(ouvertures, (QStringList{"a", "b"}));
        QCOMPARE(essai::Octets(copie.Chemin()), livre);
        QCOMPARE(magasin.RemplacerPlusMauvais("Toons", "T", "Tom", 20, Jour), Classement::Inscrit);
        QCOMPARE(essai::Shell(copie.Chemin(), "SELECT count(*) FROM sqlite_master;").Texte, "6");
        QCOMPARE(essai::Shell(fichier("a"), "SELECT count(*) FROM Scores;").Texte, "2");

        QVERIFY(Refus([&] { magasin.ListerScores("Inconnue"); }).contains("aucune des six"));
        QVERIFY(Refus([&] { magasin.ListerScores("serie:c"); }).contains("introuvable"));
        QVERIFY(Refus([&] { magasin.ListerScores("serie:perdue"); }).contains("n'existe plus"));
        magasin.Oublier("a"); // fermé avant d'être supprimé
        QVERIFY(QFile::remove(fichier("a")));
        QVERIFY(Refus([&] { magasin.ListerScores(a); }).contains("introuvable"));
    }

    // Chaque taille d'une série a sa table et rien qu'elle : l'inscription à une taille ne paraît
    // à aucune autre. Celles des six hors du plateau classique vont dans le fichier de leur
    // taille, créé vide à la première lecture ; Scores.dat n'est jamais touché.
    void chaqueTailleDUneSerieASaPropreTable_data()
    {
        QTest::addColumn<QString>("palmares");
        QTest::addColumn<QString>("fichier"); // là où la ligne doit arriver
        QTest::addColumn<QString>("table");
        const auto ligne = [](const char *nom, const char *cle, const char *fichier,
                              const char *table) { QTest::newRow(nom) << cle << fichier << table; };
        ligne("Animaux 4 × 3", "Animaux@4x3", "Scores-4x3.dat", "Animaux");
        ligne("Cinéma 6 × 4", "Cinéma@6x4", "Scores-6x4.dat", "Cinéma");
        ligne("série du joueur 4 × 3", "serie:a@4x3", "a.dat", "Scores-4x3");
        ligne("série du joueur 6 × 4", "serie:a@6x4", "a.dat", "Scores-6x4");
        ligne("série du joueur 8 × 6", "serie:a", "a.dat", "Scores");
    }
    void chaqueTailleDUneSerieASaPropreTable()
    {
        QFETCH(QString, palmares);
        QFETCH(QString, fichier);
        QFETCH(QString, table);
        essai::Copie copie;
        const QString a = copie.Dossier() + QStringLiteral("/a.dat");
        CreerScoresSerie(a);
        MagasinAvecSeries magasin(
            std::make_unique<MagasinSqlcipher>(copie.Chemin()),
            [&](const QString &) { return OuvrirScoresSerie(a); }, {},
            [&](TaillePlateau taille) {
                return OuvrirScoresTaille(CheminScoresTaille(copie.Chemin(), taille));
            });
        const QByteArray livre = essai::Octets(copie.Chemin());
        QVERIFY(magasin.ListerScores(palmares).isEmpty());
        QCOMPARE(magasin.RemplacerPlusMauvais(palmares, "N", "P", 3, Jour), Classement::Inscrit);
        QCOMPARE(magasin.LireMeilleurScore(palmares), QStringLiteral("3"));
        const PalmaresDecompose cle = DecomposerPalmares(palmares);
        for (const TaillePlateau &taille : TaillesPlateau) {
            const QString autre =
                taille == TailleClassique ? cle.serie : cle.serie + '@' + taille.Code();
            QCOMPARE(Scores(magasin.ListerScores(autre)).contains(3), autre == palmares);
        }
        const QString chemin = copie.Dossier() + '/' + fichier;
        QCOMPARE(essai::Shell(chemin, "SELECT count(*) FROM \"" + table + "\";").Texte, "1");
        QCOMPARE(essai::Shell(chemin, "SELECT count(*) FROM sqlite_master;").Texte,
                 fichier == "a.dat" ? "3" : "6");
        QCOMPARE(essai::Octets(copie.Chemin()), livre);
    }

    // Un fichier de série fait avant les tailles n'a que sa table « Scores » : il est lu au
    // plateau classique, et reçoit les tables des autres tailles, vides, sans perdre une ligne.
    void unFichierDeSerieDAvantLesTaillesLesRecoitSansPerdreUneLigne()
    {
        essai::Copie copie;
        CreerScoresSerie(copie.SerieJoueur());
        QCOMPARE(essai::Shell(copie.SerieJoueur(),
                              "DROP TABLE \"Scores-4x3\"; DROP TABLE \"Scores-6x4\"; "
                              "INSERT INTO Scores VALUES ('A', 'Ada', '2020-01-02', 40), "
                              "('B', 'Bob', '2020-01-03', 30); VACUUM;")
                     .Erreur,
                 QString());
        const auto base = OuvrirScoresSerie(copie.SerieJoueur());
        QCOMPARE(Noms(base->ListerScores("serie:s")), (QStringList{"B", "A"}));
        QVERIFY(base->ListerScores("serie:s@4x3").isEmpty());
        QCOMPARE(base->RemplacerPlusMauvais("serie:s@6x4", "C", "Cy", 50, Jour),
                 Classement::Inscrit);
        QCOMPARE(Scores(base->ListerScores("serie:s")), (QList<int>{30, 40}));
        QCOMPARE(essai::Shell(copie.SerieJoueur(),
                              "SELECT count(*) FROM sqlite_master; PRAGMA integrity_check;")
                     .Texte,
                 "3\nok");
    }
};

QTEST_GUILESS_MAIN(TestMagasinSqlcipher)
#include "tst_magasin_sqlcipher.moc"
