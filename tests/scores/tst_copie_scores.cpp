#include "CopieScores.h"
#include "Emplacements.h"
#include "FichierEssai.h"

#include <QtTest>
#include <sys/stat.h>

using namespace kalvoro;

namespace {

// Une inscription interrompue : le moteur a déjà écrit ses pages dans le fichier (le cache est
// trop petit pour les garder) quand le fichier et son journal sont recopiés, comme si le
// processus avait été tué à cet instant ; puis elle est annulée dans la copie de travail.
QString InterrompreUneInscription(const essai::Copie &travail, const QString &livre)
{
    return travail.Sql(
        QStringLiteral("PRAGMA cache_size = 2; BEGIN;"
                       "UPDATE \"Cinéma\" SET NOM = 'INACHEVÉE', SCORE = 1 WHERE rowid ="
                       " (SELECT rowid FROM \"Cinéma\" ORDER BY SCORE DESC LIMIT 1);"
                       "CREATE TABLE Bourrage(x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL"
                       " SELECT i + 1 FROM n WHERE i < 200)"
                       " INSERT INTO Bourrage SELECT randomblob(900) FROM n;\n"
                       ".system cp '%1' '%2' && cp '%1-journal' '%2-journal'\nROLLBACK;")
            .arg(travail.Chemin(), livre));
}

// Le journal d'une inscription tuée chez le joueur, sur des scores qu'il avait avant de
// supprimer sa copie (ici, tous au-delà d'un million) : il ne doit plus s'appliquer à rien.
QString PoserJournalOrphelin(const essai::Copie &travail, const QString &donnees)
{
    const QString avant =
        travail.Sql(QStringLiteral("UPDATE \"Cinéma\" SET SCORE = SCORE + 1000000;"));
    const QString tue = donnees + QStringLiteral("/tuee.dat");
    if (!avant.isEmpty() || !QDir().mkpath(donnees))
        return avant + QStringLiteral(" (préparation)");
    const QString echec = InterrompreUneInscription(travail, tue);
    return echec.isEmpty() &&
                   QFile::rename(tue + QStringLiteral("-journal"),
                                 donnees + QStringLiteral("/Scores.dat-journal")) &&
                   QFile::remove(tue)
               ? QString()
               : echec + QStringLiteral(" (journal)");
}

// Des restes d'une première copie tuée à mi-chemin, que plus personne ne tient.
bool PoserCopiesAbandonnees(const QString &donnees)
{
    QDir().mkpath(donnees);
    QFile copie(donnees + QStringLiteral("/Scores.dat.copie-AbCdEf"));
    QFile journal(donnees + QStringLiteral("/Scores.dat.copie-XyZ012-journal"));
    return copie.open(QIODevice::WriteOnly) && journal.open(QIODevice::WriteOnly);
}

QString PremierDeCinema(const QString &chemin)
{
    return essai::Shell(chemin, "SELECT NOM, SCORE FROM \"Cinéma\" ORDER BY SCORE LIMIT 1;").Texte;
}

} // namespace

// La première copie de Scores.dat chez le joueur, faite et contrôlée par le vrai moteur, depuis
// un dossier livré en lecture seule.
class TestCopieScores : public QObject {
    Q_OBJECT
    QTemporaryDir racine;
    const Emplacements emplacements{racine.filePath("livre/"),
                                    racine.filePath("donnees/Scores.dat"),
                                    racine.filePath("livre/Scores.dat"),
                                    {}};

private slots:
    void init() { QVERIFY(QDir().mkpath(racine.filePath("livre"))); }
    void cleanup()
    {
        QFile::setPermissions(racine.filePath("livre"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(racine.path()).removeRecursively();
    }

    // refus : un morceau du message, vide si la copie doit se faire ; avis : un morceau de ce
    // que le joueur doit apprendre quand elle se fait.
    void laCopieNeGardeQueCeQuiAEteValide_data()
    {
        QTest::addColumn<QString>("livraison");
        QTest::addColumn<QString>("refus");
        QTest::addColumn<QString>("avis");
        QTest::newRow("journal d'une inscription interrompue") << "journal"
                                                               << ""
                                                               << "";
        QTest::newRow("journal illisible : refus") << "journal illisible"
                                                   << "a un journal"
                                                   << "";
        QTest::newRow("journal livré en tube : refus sans attente")
            << "tube"
            << "ce n'est pas un fichier ordinaire"
            << "";
        QTest::newRow("fichier livré abîmé : refus qui nomme le fichier livré")
            << "abîmé"
            << "« " + emplacements.scoresLivres + " » ne peut"
            << "";
        QTest::newRow("journal orphelin chez le joueur : mis de côté") << "orphelin"
                                                                       << ""
                                                                       << "mis de côté";
        QTest::newRow("copies abandonnées chez le joueur : retirées") << "abandonnées"
                                                                      << ""
                                                                      << "";
    }
    void laCopieNeGardeQueCeQuiAEteValide()
    {
        QFETCH(QString, livraison);
        QFETCH(QString, refus);
        QFETCH(QString, avis);
        essai::Copie travail;
        const QString livre = emplacements.scoresLivres;
        const QString donnees = racine.filePath("donnees");
        QVERIFY(travail.Prete && QFile::copy(travail.Chemin(), livre));
        if (livraison == "journal")
            QCOMPARE(InterrompreUneInscription(travail, livre), QString());
        else if (livraison == "orphelin")
            QCOMPARE(PoserJournalOrphelin(travail, donnees), QString());
        else if (livraison == "abandonnées")
            QVERIFY(PoserCopiesAbandonnees(donnees));
        else if (livraison == "tube")
            QCOMPARE(mkfifo(QFile::encodeName(livre + "-journal").constData(), 0600), 0);
        else
            QVERIFY(livraison == "abîmé" ? QFile::resize(livre, 5000)
                                         : QDir().mkpath(livre + "-journal"));
        const QDir livres(racine.filePath("livre"));
        const QStringList avant = livres.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QFile::setPermissions(livres.path(), QFile::ReadOwner | QFile::ExeOwner);

        const PreparationScores preparation =
            PreparerScoresJoueur(emplacements, &ControlerCopieScores);
        const QString &echec = preparation.echec;
        QVERIFY2(refus.isEmpty() ? echec.isEmpty() : echec.contains(refus), qPrintable(echec));
        QVERIFY2(preparation.avis.contains(avis), qPrintable(preparation.avis));
        // Le dernier état validé, celui que garde la copie de travail après l'annulation.
        const QString valide = livraison == "orphelin" ? essai::ScoresLivres() : travail.Chemin();
        if (refus.isEmpty())
            QCOMPARE(PremierDeCinema(emplacements.scores), PremierDeCinema(valide));
        for (const QString &ecarte : QDir(donnees).entryList({"Scores.dat-journal.orphelin-*"}))
            QVERIFY(QDir(donnees).remove(ecarte));
        QCOMPARE(QDir(donnees).entryList(QDir::Files | QDir::System),
                 refus.isEmpty() ? QStringList{"Scores.dat"} : QStringList());
        QCOMPARE(livres.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), avant);
    }
};

QTEST_GUILESS_MAIN(TestCopieScores)
#include "tst_copie_scores.moc"
