// Où l'aide s'ouvre par rapport à la fenêtre qui l'a demandée.
#include "PlaceAide.h"

#include <QtTest>

using namespace kalvoro;

class TestPlaceAide : public QObject {
    Q_OBJECT

private slots:
    void placeAide_data()
    {
        QTest::addColumn<QRect>("demandeur");
        QTest::addColumn<QRect>("ecran");
        QTest::addColumn<QRect>("attendu");
        const QRect grand(0, 0, 1920, 1080);
        QTest::newRow("à droite quand elle y tient")
            << QRect(100, 100, 623, 413) << grand << QRect(723, 100, 640, 520);
        QTest::newRow("à gauche quand la droite manque")
            << QRect(1200, 100, 623, 413) << grand << QRect(560, 100, 640, 520);
        QTest::newRow("à droite, rétrécie plutôt que dessus")
            << QRect(100, 300, 623, 413) << QRect(0, 0, 1280, 1024) << QRect(723, 300, 557, 520);
        QTest::newRow("dessous, ramenée dans l'écran")
            << QRect(300, 0, 623, 413) << QRect(0, 0, 1024, 1000) << QRect(300, 413, 640, 520);
        // 623 × 413 au milieu d'un 1024 × 768 : nulle part la place ; à droite, collée au
        // bord, elle couvre le moins (439 × 413, contre 342 × 623 dessous).
        QTest::newRow("écran trop petit : le moins couvert")
            << QRect(200, 177, 623, 413) << QRect(0, 0, 1024, 768) << QRect(384, 177, 640, 520);
        QTest::newRow("écran plus petit que l'aide : elle le remplit")
            << QRect(0, 0, 600, 400) << QRect(10, 20, 620, 500) << QRect(10, 20, 620, 500);
        // Le jeu (623 × 413) dans le coin d'un écran de 1024 × 768, à 100 %, 150 % et 200 %
        // (Qt compte alors l'écran en pixels logiques : 683 × 512, 512 × 384).
        const QRect jeu(0, 0, 623, 413);
        QTest::newRow("100 % : à côté, rétrécie")
            << jeu << QRect(0, 0, 1024, 768) << QRect(623, 0, 401, 520);
        QTest::newRow("150 % : dans l'écran, le moins couvert")
            << jeu << QRect(0, 0, 683, 512) << QRect(43, 0, 640, 512);
        QTest::newRow("200 % : dans l'écran, qu'elle remplit")
            << jeu << QRect(0, 0, 512, 384) << QRect(0, 0, 512, 384);
        QTest::newRow("200 % sur 2560 × 1600 : à côté")
            << QRect(0, 0, 623, 413) << QRect(0, 0, 1280, 800) << QRect(623, 0, 640, 520);
    }
    void placeAide()
    {
        QFETCH(QRect, demandeur);
        QFETCH(QRect, ecran);
        QFETCH(QRect, attendu);
        QCOMPARE(PlaceAide(demandeur, QSize(640, 520), ecran), attendu);
    }
};

QTEST_GUILESS_MAIN(TestPlaceAide)
#include "tst_place_aide.moc"
