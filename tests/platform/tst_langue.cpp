#include "Langue.h"
#include "Programme.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kalvoro;

// La langue de l'interface tirée des langues du joueur, et ce qui en dépend : dates et aide.
class TestLangue : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ChoisirLangue(Langue()); }

    void seuleLaPremiereLangueCompte_data()
    {
        QTest::addColumn<QStringList>("interfaces");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("date"); // le 16 avril 2000 à 13:47
        QTest::newRow("anglais américain") << QStringList{"en-US", "en"} << "en"
                                           << "4/16/2000 1:47 PM";
        QTest::newRow("anglais britannique") << QStringList{"en-GB"} << "en"
                                             << "16/04/2000 13:47";
        QTest::newRow("LANGUAGE=en_US") << QStringList{"en_US"} << "en"
                                        << "4/16/2000 1:47 PM";
        QTest::newRow("français") << QStringList{"fr-FR", "fr"} << "fr"
                                  << "16/04/2000 13:47";
        QTest::newRow("C") << QStringList{"C"} << "fr"
                           << "16/04/2000 13:47";
        QTest::newRow("aucune") << QStringList{} << "fr"
                                << "16/04/2000 13:47";
        QTest::newRow("allemand sans catalogue, puis anglais") << QStringList{"de-DE", "en"} << "fr"
                                                               << "16/04/2000 13:47";
    }
    void seuleLaPremiereLangueCompte()
    {
        QFETCH(QStringList, interfaces);
        QFETCH(QString, code);
        QFETCH(QString, date);
        const auto catalogues = [](const QString &c) { return c == QLatin1String("en"); };
        ChoisirLangue(LangueDesInterfaces(interfaces, catalogues));
        QCOMPARE(LangueChoisie().Code, code);
        // Les espaces à la mode de la langue (insécable fine avant PM depuis Qt 6.8) comptent
        // comme une espace.
        QCOMPARE((FormaterDate({2000, 4, 16}) + u' ' + FormaterHeure({13, 47})).simplified(), date);
    }

    void lAideAnglaiseNeSertQuEnAnglaisEtQuandElleEstLa()
    {
        QTemporaryDir dossier;
        const QString racine = dossier.path() + QLatin1Char('/');
        const QString francaise = racine + QStringLiteral("Kalvoro.hlp");
        ChoisirLangue({QStringLiteral("en"), QLocale(QLocale::English)});
        QCOMPARE(FichierAide(racine), francaise); // pas d'édition anglaise : l'aide d'origine
        QFile anglaise(racine + QStringLiteral("Kalvoro.en.hlp"));
        QVERIFY(anglaise.open(QIODevice::WriteOnly));
        QCOMPARE(FichierAide(racine), anglaise.fileName());
        ChoisirLangue(Langue());
        QCOMPARE(FichierAide(racine), francaise);
    }
};

QTEST_GUILESS_MAIN(TestLangue)
#include "tst_langue.moc"
