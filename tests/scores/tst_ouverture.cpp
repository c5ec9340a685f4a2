#include "FichierEssai.h"
#include "MagasinSqlcipher.h"
#include "ScoresSerie.h"
#include "Series.h"

#include <QFileInfo>
#include <QtTest>

using namespace kalvoro;

namespace {

enum class Preparation {
    Absent,
    ZeroOctet,
    AutreMotDePasse,
    SansChiffrement,
    Texte,
    TableManquante,
    ChampManquant,
    TableVide,
    Dossier,
    Declencheur,
    Vue,
};

// Met à la place de la copie le fichier à refuser.
QString Preparer(const essai::Copie &copie, Preparation preparation)
{
    const QString chemin = copie.Chemin();
    const auto depuisGraine = [&](const QString &cle) {
        QFile::remove(chemin);
        const essai::Sortie sortie =
            essai::Shell(chemin, QStringLiteral(".read '%1'\n").arg(KALVORO_GRAINE), cle);
        return sortie.Code == 0 ? QString() : sortie.Erreur;
    };
    const auto ecrire = [&](const QByteArray &octets) {
        QFile fichier(chemin);
        const bool ok = fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                        fichier.write(octets) == octets.size();
        return ok ? QString() : fichier.errorString();
    };
    switch (preparation) {
    case Preparation::Absent:
        return QFile::remove(chemin) ? QString() : QStringLiteral("suppression");
    case Preparation::ZeroOctet:
        return ecrire({});
    case Preparation::AutreMotDePasse:
        return depuisGraine(QStringLiteral("abc123"));
    case Preparation::SansChiffrement:
        return depuisGraine(QString());
    case Preparation::Texte:
        return ecrire(
            QByteArray("NOM;PRENOM;DATE;SCORE\nDURAND;Paul;2000-01-01;40\n").repeated(50));
    case Preparation::TableManquante:
        return copie.Sql(QStringLiteral("DROP TABLE Toons;"));
    case Preparation::ChampManquant:
        return copie.Sql(
            QStringLiteral("ALTER TABLE Disney RENAME TO Ancienne;"
                           "CREATE TABLE Disney (NOM TEXT, PRENOM TEXT, SCORE INTEGER);"
                           "INSERT INTO Disney SELECT NOM, PRENOM, SCORE FROM Ancienne;"
                           "DROP TABLE Ancienne;"));
    case Preparation::TableVide:
        return copie.Sql(QStringLiteral("DELETE FROM Smileys;"));
    case Preparation::Declencheur:
        return copie.Sql(QStringLiteral("CREATE TRIGGER t AFTER UPDATE ON \"Toons\" BEGIN "
                                        "DELETE FROM \"Animaux\"; END;"));
    case Preparation::Vue:
        return copie.Sql(QStringLiteral("CREATE VIEW v AS SELECT * FROM Formes;"));
    case Preparation::Dossier:
        return QFile::remove(chemin) && QDir(copie.Dossier()).mkdir(QStringLiteral("Scores.dat"))
                   ? QString()
                   : QStringLiteral("dossier");
    }
    return QStringLiteral("préparation inconnue");
}

} // namespace

// L'ouverture de Scores.dat : le fichier livré s'ouvre avec la clé ; tout autre fichier est
// refusé avec une cause claire, et n'est jamais modifié ni complété.
class TestOuverture : public QObject {
    Q_OBJECT
private slots:
    void unFichierInutilisableEstRefuseEtLaisseIntact_data()
    {
        QTest::addColumn<int>("preparation");
        QTest::addColumn<QString>("cause");
        const auto ligne = [](const char *nom, Preparation preparation, const char *cause) {
            QTest::newRow(nom) << int(preparation) << QString::fromUtf8(cause);
        };
        ligne("fichier absent", Preparation::Absent, "est introuvable");
        ligne("fichier de 0 octet", Preparation::ZeroOctet, "est vide (0 octet)");
        ligne("autre mot de passe", Preparation::AutreMotDePasse,
              "mot de passe refusé ou fichier endommagé");
        ligne("base non chiffrée", Preparation::SansChiffrement,
              "mot de passe refusé ou fichier endommagé");
        ligne("pas une base", Preparation::Texte, "mot de passe refusé ou fichier endommagé");
        ligne("table manquante", Preparation::TableManquante, "la table « Toons » manque");
        ligne("champ manquant", Preparation::ChampManquant,
              "la table « Disney » n'a pas les champs NOM, PRENOM, DATE et SCORE");
        ligne("table vide", Preparation::TableVide, "La table « Smileys »");
        ligne("un dossier", Preparation::Dossier, "n'est pas un fichier");
        ligne("un déclencheur, qui s'exécuterait à l'inscription", Preparation::Declencheur,
              "il contient « t », qui n'en fait pas partie");
        ligne("une vue", Preparation::Vue, "il contient « v », qui n'en fait pas partie");
    }
    void unFichierInutilisableEstRefuseEtLaisseIntact()
    {
        QFETCH(int, preparation);
        QFETCH(QString, cause);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QCOMPARE(Preparer(copie, Preparation(preparation)), QString());
        const bool existait = QFileInfo::exists(copie.Chemin());
        const QByteArray octets = essai::Octets(copie.Chemin());
        const QDateTime modifie = QFileInfo(copie.Chemin()).lastModified();

        try {
            MagasinSqlcipher base(copie.Chemin());
            QFAIL("le fichier a été accepté");
        } catch (const ErreurScores &erreur) {
            QVERIFY2(erreur.Message().contains(cause), erreur.what());
            QVERIFY2(erreur.Message().contains(copie.Chemin()), erreur.what());
        }
        QCOMPARE(QFileInfo::exists(copie.Chemin()), existait);
        QCOMPARE(essai::Octets(copie.Chemin()), octets);
        QCOMPARE(QFileInfo(copie.Chemin()).lastModified(), modifie);
        QVERIFY(!QFileInfo::exists(copie.Chemin() + QStringLiteral("-journal")));
    }

    // Le fichier d'une série du joueur n'a que ses tables, toutes ou la seule d'avant les
    // tailles : ni déclencheur, ni vue, ni autre table, ni les six de Scores.dat.
    void unFichierDeSerieQuiNEstPasLeSienEstRefuseEtLaisseIntact_data()
    {
        QTest::addColumn<QString>("sql"); // sur le fichier neuf ; vide : une copie de Scores.dat
        QTest::addColumn<QString>("cause");
        QTest::newRow("une autre table") << "CREATE TABLE Autre (x);"
                                         << "contient « Autre »";
        QTest::newRow("un déclencheur")
            << "CREATE TRIGGER t AFTER INSERT ON Scores BEGIN DELETE FROM Scores; END;"
            << "contient « t »";
        QTest::newRow("une vue") << "CREATE VIEW v AS SELECT * FROM Scores;"
                                 << "contient « v »";
        QTest::newRow("un champ de moins")
            << "DROP TABLE Scores; CREATE TABLE Scores (NOM TEXT, PRENOM TEXT, SCORE INTEGER);"
            << "n'a pas les champs";
        QTest::newRow("une taille sur deux") << "DROP TABLE \"Scores-6x4\";"
                                             << "« Scores-6x4 » manque";
        QTest::newRow("Scores.dat à sa place") << ""
                                               << "contient « Animaux »";
    }
    void unFichierDeSerieQuiNEstPasLeSienEstRefuseEtLaisseIntact()
    {
        QFETCH(QString, sql);
        QFETCH(QString, cause);
        essai::Copie copie;
        if (sql.isEmpty()) {
            QVERIFY(QFile::copy(copie.Chemin(), copie.SerieJoueur()));
        } else {
            CreerScoresSerie(copie.SerieJoueur());
            QCOMPARE(essai::Shell(copie.SerieJoueur(), sql).Erreur, QString());
        }
        const QByteArray octets = essai::Octets(copie.SerieJoueur());
        try {
            OuvrirScoresSerie(copie.SerieJoueur());
            QFAIL("le fichier a été accepté");
        } catch (const ErreurScores &erreur) {
            QVERIFY2(erreur.Message().contains(cause), erreur.what());
        }
        QCOMPARE(essai::Octets(copie.SerieJoueur()), octets);
    }

    void leFichierLivreSOuvreAuShellAvecLaCleEtPasSansElle()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QString compte;
        for (const Serie &serie : Series())
            compte += QStringLiteral("SELECT count(*) FROM \"%1\";").arg(serie.Nom);
        const essai::Sortie avecCle = essai::Shell(copie.Chemin(), compte);
        QCOMPARE(avecCle.Code, 0);
        QCOMPARE(avecCle.Texte, QStringLiteral("10\n10\n10\n10\n10\n10"));

        const essai::Sortie sansCle = essai::Shell(copie.Chemin(), compte, QString());
        QVERIFY(sansCle.Code != 0);
        QVERIFY2(sansCle.Erreur.contains(QStringLiteral("is not a database")),
                 qPrintable(sansCle.Erreur));
        const essai::Sortie mauvaiseCle = essai::Shell(copie.Chemin(), compte, "qzm473");
        QVERIFY(mauvaiseCle.Code != 0);
        // Aucun texte en clair dans le fichier.
        QVERIFY(!essai::Octets(copie.Chemin()).contains("SQLite format 3"));
        QVERIFY(!essai::Octets(copie.Chemin()).contains("CREATE TABLE"));
    }

    void uneReconstructionLaisseUnScoresDatExistantIntact()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        {
            MagasinSqlcipher base(copie.Chemin());
            QCOMPARE(base.RemplacerPlusMauvais("Toons", "JOUEUR", "Ada", 24, QDate(2026, 1, 2)),
                     Classement::Inscrit);
        }
        const QByteArray octets = essai::Octets(copie.Chemin());
        const QDateTime modifie = QFileInfo(copie.Chemin()).lastModified();
        QCOMPARE(CreerScores(copie.Chemin()), 0);
        QCOMPARE(essai::Octets(copie.Chemin()), octets);
        QCOMPARE(QFileInfo(copie.Chemin()).lastModified(), modifie);
        QCOMPARE(MagasinSqlcipher(copie.Chemin()).LireMeilleurScore("Toons"), QStringLiteral("24"));
    }

    void laConstructionEcritLeFichierQuandIlManque()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        QVERIFY(QFile::remove(copie.Chemin()));
        QCOMPARE(CreerScores(copie.Chemin()), 0);
        QVERIFY(!essai::Octets(copie.Chemin()).startsWith("SQLite format 3"));
        MagasinSqlcipher base(copie.Chemin());
        for (const Serie &serie : Series())
            QCOMPARE(base.ListerScores(serie.Nom).size(), 10);
        QCOMPARE(QDir(copie.Dossier()).entryList(QDir::Files), QStringList{"Scores.dat"});
    }

    // Un fichier écrit sous Debian 12 (SQLCipher 3) et un sous Debian 13 (SQLCipher 4) : chaque
    // version du programme lit et complète l'un et l'autre, sans les changer de format.
    void unFichierDeChaqueSqlcipherSOuvreEtGardeSonFormat_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("marque");
        QTest::newRow("SQLCipher 3.4.1") << "scores-sqlcipher3.dat"
                                         << "SQLCIPHER3";
        QTest::newRow("SQLCipher 4, format 3") << "scores-sqlcipher4-compat3.dat"
                                               << "SQLCIPHER4";
    }
    void unFichierDeChaqueSqlcipherSOuvreEtGardeSonFormat()
    {
        QFETCH(QString, fichier);
        QFETCH(QString, marque);
        essai::Copie copie;
        QVERIFY(QFile::remove(copie.Chemin()));
        QVERIFY(QFile::copy(qEnvironmentVariable("KALVORO_SOURCES") +
                                QStringLiteral("/tests/scores/anciens/") + fichier,
                            copie.Chemin()));
        QVERIFY(QFile::setPermissions(copie.Chemin(), QFile::ReadOwner | QFile::WriteOwner));
        {
            MagasinSqlcipher base(copie.Chemin());
            QCOMPARE(base.ListerScores("Toons").first().NOM, marque);
            QCOMPARE(base.RemplacerPlusMauvais("Toons", "JOUEUR", "Ada", 30, QDate(2026, 1, 2)),
                     Classement::Inscrit);
        }
        const essai::Sortie relu = essai::Shell(
            copie.Chemin(), QStringLiteral("PRAGMA page_size; PRAGMA integrity_check;"
                                           "SELECT count(*) FROM Toons WHERE NOM = 'JOUEUR';"));
        QCOMPARE(relu.Texte, QStringLiteral("1024\nok\n1"));
    }

private:
    // La même commande que la construction, vers un autre dossier.
    static int CreerScores(const QString &destination)
    {
        return QProcess::execute(QStringLiteral(KALVORO_CMAKE),
                                 {QStringLiteral("-DSQLCIPHER=" KALVORO_SQLCIPHER),
                                  QStringLiteral("-DGRAINE=" KALVORO_GRAINE),
                                  QStringLiteral("-DDESTINATION=") + destination,
                                  QStringLiteral("-DMOT_DE_PASSE=") + essai::MotDePasse,
                                  QStringLiteral("-P"), QStringLiteral(KALVORO_CREER_SCORES)});
    }
};

QTEST_GUILESS_MAIN(TestOuverture)
#include "tst_ouverture.moc"
