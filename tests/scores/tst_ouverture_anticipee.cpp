// L'ouverture de Scores.dat commencée sur un autre fil au lancement : le magasin qu'elle rend
// sert ensuite sur le fil principal, et seul le premier appel pour ce fichier la reprend.
#include "FichierEssai.h"
#include "MagasinSqlcipher.h"
#include "OuvertureAnticipee.h"

#include <QtTest>
#include <mutex>
#include <thread>

using namespace kalvoro;

class TestOuvertureAnticipee : public QObject {
    Q_OBJECT

private slots:
    void magasinOuvertSurUnAutreFil_inscritEtRelitSurLeFilPrincipal();
    void seulLePremierAppelPourCeFichier_reprendLeFil_data();
    void seulLePremierAppelPourCeFichier_reprendLeFil();
};

void TestOuvertureAnticipee::magasinOuvertSurUnAutreFil_inscritEtRelitSurLeFilPrincipal()
{
    const essai::Copie copie;
    QVERIFY(copie.Prete);
    QVERIFY(copie.Remplir(QStringLiteral("Cinéma"), {40, 55, 70}).isEmpty());
    std::thread::id filOuvreur;
    OuvertureAnticipee ouverture(copie.Chemin(), [&](const QString &chemin) {
        filOuvreur = std::this_thread::get_id();
        return std::make_unique<MagasinSqlcipher>(chemin);
    });

    const std::unique_ptr<MagasinScores> base = ouverture.Prendre(copie.Chemin());
    QVERIFY(filOuvreur != std::this_thread::get_id());
    QCOMPARE(base->LirePlusMauvaisScore(QStringLiteral("Cinéma")), 70);
    QCOMPARE(base->RemplacerPlusMauvais(QStringLiteral("Cinéma"), QStringLiteral("DUPONT"),
                                        QStringLiteral("Jean"), 30, QDate(2001, 3, 5)),
             Classement::Inscrit);
    QCOMPARE(base->LireMeilleurScore(QStringLiteral("Cinéma")), QStringLiteral("30"));
}

// Un nouvel essai (fichier occupé) ou un autre chemin ne reçoit jamais le résultat du fil : il
// ouvre de nouveau, sur le fil appelant, le fichier qu'il demande. Un échec du fil est relevé
// tel quel au premier appel.
void TestOuvertureAnticipee::seulLePremierAppelPourCeFichier_reprendLeFil_data()
{
    QTest::addColumn<QString>("premier");  // chemin du premier appel
    QTest::addColumn<bool>("filEchoue");   // l'ouverture du fil lève ErreurScores
    QTest::addColumn<QString>("attendu1"); // "fil", "appelant" ou le message d'échec
    QTest::newRow("premier appel, même fichier") << "Scores.dat" << false << "fil";
    QTest::newRow("échec du fil relevé") << "Scores.dat" << true << "occupé";
    QTest::newRow("premier appel, autre fichier") << "Autre.dat" << false << "appelant";
}

void TestOuvertureAnticipee::seulLePremierAppelPourCeFichier_reprendLeFil()
{
    QFETCH(QString, premier);
    QFETCH(bool, filEchoue);
    QFETCH(QString, attendu1);
    const auto principal = std::this_thread::get_id();
    QStringList ouverts; // "chemin@fil" ou "chemin@appelant" ; le fil peut écrire en même temps
    std::mutex garde;
    const auto ouvertsDe = [&](const QString &chemin) {
        const std::lock_guard verrou(garde);
        return ouverts.filter(chemin + QLatin1Char('@'));
    };
    OuvertureAnticipee ouverture(QStringLiteral("Scores.dat"), [&](const QString &chemin) {
        const bool surFil = std::this_thread::get_id() != principal;
        const std::lock_guard verrou(garde);
        ouverts << chemin + (surFil ? QStringLiteral("@fil") : QStringLiteral("@appelant"));
        if (surFil && filEchoue)
            throw ErreurScores(QStringLiteral("occupé"));
        return std::unique_ptr<MagasinScores>();
    });

    QString obtenu1;
    try {
        ouverture.Prendre(premier);
        obtenu1 = ouvertsDe(premier).join(QString()).section(QLatin1Char('@'), 1);
    } catch (const ErreurScores &erreur) {
        obtenu1 = erreur.Message();
    }
    QCOMPARE(obtenu1, attendu1);
    ouverture.Prendre(QStringLiteral("Scores.dat"));
    QVERIFY(
        ouvertsDe(QStringLiteral("Scores.dat")).contains(QStringLiteral("Scores.dat@appelant")));
}

QTEST_GUILESS_MAIN(TestOuvertureAnticipee)
#include "tst_ouverture_anticipee.moc"
