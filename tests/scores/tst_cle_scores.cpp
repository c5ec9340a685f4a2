// La dérivation de la clé de Scores.dat faite par le programme : PBKDF2-HMAC-SHA1 doit donner
// exactement ce que donnerait SQLCipher, sinon aucun fichier ne s'ouvre plus.
#include "CleScores.h"

#include <QtTest>

using namespace kalvoro;

class TestCleScores : public QObject {
    Q_OBJECT

private slots:
    void pbkdf2_donneLesValeursDeReference_data();
    void pbkdf2_donneLesValeursDeReference();
};

// Les vecteurs de la RFC 6070 ; le dernier demande plus d'un bloc de 20 octets, comme la clé
// de 32 octets de Scores.dat.
void TestCleScores::pbkdf2_donneLesValeursDeReference_data()
{
    QTest::addColumn<QByteArray>("motDePasse");
    QTest::addColumn<QByteArray>("sel");
    QTest::addColumn<int>("tours");
    QTest::addColumn<QByteArray>("attendue");
    QTest::newRow("un tour") << QByteArray("password") << QByteArray("salt") << 1
                             << QByteArray("0c60c80f961f0e71f3a9b524af6012062fe037a6");
    QTest::newRow("4096 tours") << QByteArray("password") << QByteArray("salt") << 4096
                                << QByteArray("4b007901b765489abead49d926f721d065a429c1");
    QTest::newRow("deux blocs, 25 octets")
        << QByteArray("passwordPASSWORDpassword")
        << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096
        << QByteArray("3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
}

void TestCleScores::pbkdf2_donneLesValeursDeReference()
{
    QFETCH(QByteArray, motDePasse);
    QFETCH(QByteArray, sel);
    QFETCH(int, tours);
    QFETCH(QByteArray, attendue);
    QCOMPARE(Pbkdf2Sha1(motDePasse, sel, tours, int(attendue.size() / 2)).toHex(), attendue);
}

QTEST_GUILESS_MAIN(TestCleScores)
#include "tst_cle_scores.moc"
