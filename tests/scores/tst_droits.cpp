#include "FichierEssai.h"
#include "MagasinSqlcipher.h"

#include <QFileInfo>
#include <QtTest>
#include <grp.h>
#include <unistd.h>

using namespace kalvoro;

namespace {

// Utilisateur sans droits (nobody) : root passe outre les droits des fichiers, l'inscription
// essayée en root ne rencontrerait jamais le refus du système.
constexpr uid_t Personne = 65534;
constexpr int SansDroitsImpossible = 99;

constexpr QFile::Permissions LectureSeule =
    QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ReadUser;
constexpr QFile::Permissions LectureEcriture =
    LectureSeule | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther | QFile::WriteUser;
constexpr QFile::Permissions Traversable =
    LectureSeule | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther | QFile::ExeUser;

} // namespace

// Un fichier ou un dossier où l'on ne peut écrire : l'inscription échoue avec une cause claire
// et laisse les lignes telles qu'elles étaient ; un score qui n'entre pas reste un simple refus.
class TestDroits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Le programme d'essai est recopié dans un dossier que tout utilisateur peut traverser.
        QVERIFY(programmes.isValid());
        QVERIFY(QFile::setPermissions(programmes.path(), Traversable | QFile::WriteOwner));
        programmeEssai = programmes.filePath(QStringLiteral("essai_scores"));
        QVERIFY(QFile::copy(QStringLiteral(KALVORO_ESSAI_SCORES), programmeEssai));
        QVERIFY(QFile::setPermissions(programmeEssai, Traversable));
    }

    void uneEcritureImpossibleEstSignaleeSansRienChanger_data()
    {
        QTest::addColumn<int>("droitsFichier");
        QTest::addColumn<int>("droitsDossier");
        QTest::addColumn<QString>("cause");
        QTest::newRow("fichier en lecture seule")
            << int(LectureSeule) << int(Traversable | LectureEcriture)
            << "le fichier est en lecture seule";
        QTest::newRow("dossier non inscriptible")
            << int(LectureEcriture) << int(Traversable) << "n'est pas inscriptible";
        QTest::newRow("fichier et dossier fermés")
            << int(LectureSeule) << int(Traversable) << "le fichier est en lecture seule";
    }
    void uneEcritureImpossibleEstSignaleeSansRienChanger()
    {
        QFETCH(int, droitsFichier);
        QFETCH(int, droitsDossier);
        QFETCH(QString, cause);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        const QList<LigneScore> avant = MagasinSqlcipher(copie.Chemin()).ListerScores("Animaux");
        const QString egal = QString::number(avant.last().SCORE);
        QVERIFY(QFile::setPermissions(copie.Chemin(), QFile::Permissions(droitsFichier)));
        QVERIFY(QFile::setPermissions(copie.Dossier(), QFile::Permissions(droitsDossier)));

        QProcess enfant;
        Lancer(enfant, {copie.Chemin(), "Animaux", "ESSAI", egal + ",20"});
        QVERIFY(QFile::setPermissions(copie.Dossier(), Traversable | QFile::WriteOwner));
        if (enfant.exitCode() == SansDroitsImpossible)
            QSKIP("en root, et le processus d'essai ne peut prendre les droits de nobody");

        const QString erreur = QString::fromUtf8(enfant.readAllStandardError());
        QCOMPARE(enfant.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(enfant.readAllStandardOutput()), egal + " Egal\n");
        QVERIFY2(erreur.contains(cause) && erreur.contains(copie.Chemin()), qPrintable(erreur));
        QVERIFY2(erreur.contains(QStringLiteral("Aucune ligne n'a été modifiée")),
                 qPrintable(erreur));
        QCOMPARE(MagasinSqlcipher(copie.Chemin()).ListerScores("Animaux"), avant);
        QVERIFY(!QFileInfo::exists(copie.Chemin() + QStringLiteral("-journal")));
    }

private:
    static void Lancer(QProcess &enfant, const QStringList &arguments)
    {
        if (geteuid() == 0)
            enfant.setChildProcessModifier([] {
                if (setgroups(0, nullptr) != 0 || setgid(Personne) != 0 || setuid(Personne) != 0)
                    _exit(SansDroitsImpossible);
            });
        enfant.start(programmeEssai, arguments);
        QVERIFY(enfant.waitForFinished(60000));
    }

    QTemporaryDir programmes;
    static inline QString programmeEssai;
};

QTEST_GUILESS_MAIN(TestDroits)
#include "tst_droits.moc"
