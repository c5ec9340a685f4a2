#include "Series.h"

#include <QtTest>

using namespace kalvoro;

// La liste des six séries, seule source de leurs noms pour la liste, les images et les tables.
class TestSeries : public QObject {
    Q_OBJECT
private slots:
    void lesSixSeriesSontDansLOrdreAvecLeursNumeros()
    {
        const QStringList attendus{"Animaux", "Cinéma", "Disney", "Formes", "Smileys", "Toons"};
        QCOMPARE(int(Series().size()), attendus.size());
        for (int k = 0; k < attendus.size(); ++k) {
            QCOMPARE(Series()[k].Nom, attendus[k]);
            QCOMPARE(Series()[k].Numero, k + 1);
        }
    }

    void unNumeroHorsDeUnASixNeDonneAucuneSerie()
    {
        QVERIFY(SerieNumero(0) == nullptr);
        QVERIFY(SerieNumero(7) == nullptr);
        QCOMPARE(SerieNumero(2)->Nom, QStringLiteral("Cinéma"));
    }

    void leNomDoitEtreExactAccentCompris()
    {
        QCOMPARE(SerieNommee(QStringLiteral("Cinéma"))->Numero, 2);
        QVERIFY(SerieNommee(QStringLiteral("Cinema")) == nullptr);
        QVERIFY(SerieNommee(QStringLiteral("cinéma")) == nullptr);
        QVERIFY(SerieNommee(QStringLiteral("Animaux; DROP TABLE Toons")) == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"
