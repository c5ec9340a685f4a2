#include "CopieScores.h"
#include "Emplacements.h"
#include "FichierEssai.h"

#include <QtTest>

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

    // refus : un morceau du message, vide si la copie doit se faire.
    void laCopieNeGardeQueCeQuiAEteValide_data()
    {
        QTest::addColumn<QString>("livraison");
        QTest::addColumn<QString>("refus");
        QTest::newRow("journal d'une inscription interrompue") << "journal"
                                                               << "";
        QTest::newRow("journal illisible : refus") << "journal illisible"
                                                   << "a un journal";
        QTest::newRow("fichier livré abîmé : refus") << "abîmé"
                                                     << "est refusée";
    }
    void laCopieNeGardeQueCeQuiAEteValide()
    {
        QFETCH(QString, livraison);
        QFETCH(QString, refus);
        essai::Copie travail;
        const QString livre = emplacements.scoresLivres;
        QVERIFY(travail.Prete && QFile::copy(travail.Chemin(), livre));
        if (livraison == "journal")
            QCOMPARE(InterrompreUneInscription(travail, livre), QString());
        else
            QVERIFY(livraison == "abîmé" ? QFile::resize(livre, 5000)
                                         : QDir().mkpath(livre + "-journal"));
        const QDir livres(racine.filePath("livre"));
        const QStringList avant = livres.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QFile::setPermissions(livres.path(), QFile::ReadOwner | QFile::ExeOwner);

        const QString echec = PreparerScoresJoueur(emplacements, &ControlerCopieScores);
        QVERIFY2(refus.isEmpty() ? echec.isEmpty() : echec.contains(refus), qPrintable(echec));
        // Le dernier état validé, celui que garde la copie de travail après l'annulation.
        if (refus.isEmpty())
            QCOMPARE(PremierDeCinema(emplacements.scores), PremierDeCinema(travail.Chemin()));
        QCOMPARE(QDir(racine.filePath("donnees")).entryList(QDir::Files),
                 refus.isEmpty() ? QStringList{"Scores.dat"} : QStringList());
        QCOMPARE(livres.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), avant);
    }
};

QTEST_GUILESS_MAIN(TestCopieScores)
#include "tst_copie_scores.moc"
