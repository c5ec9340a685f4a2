#include "DimensionsPlateau.h"
#include "NavigationPlateau.h"

#include <QtTest>

using namespace kalvoro;

Q_DECLARE_METATYPE(Direction)

namespace {

// Un plateau en ASCII, une rangée par texte : "." une cellule jouable, "x" une cellule cachée ou
// désactivée, "D" le départ, "A" l'arrivée attendue (aucune : la flèche ne mène nulle part).
struct PlateauAscii {
    QString cases;
    int Cellule(QChar marque) const { return int(cases.indexOf(marque)) + 1; }
    bool Jouable(int i) const { return cases.at(i - 1) != QLatin1Char('x'); }
};

PlateauAscii Lire(const QStringList &rangees)
{
    Q_ASSERT(rangees.size() == RangeesPlateau);
    const QString cases = rangees.join(QString());
    Q_ASSERT(cases.size() == NombreCellules);
    return {cases};
}

} // namespace

class TestNavigationPlateau : public QObject {
    Q_OBJECT
private slots:
    void laFlecheMeneALaCelluleAttendue_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QStringList>("plateau");
        const auto rangee = [](const char *texte) { return QString::fromLatin1(texte); };
        const QString pleine = rangee("........"), vide = rangee("xxxxxxxx");
        QTest::newRow("droite au bout de la rangée ne passe pas à la suivante")
            << Direction::Droite
            << QStringList{rangee(".......D"), pleine, pleine, pleine, pleine, pleine};
        QTest::newRow("gauche devant des places vides ne remonte pas")
            << Direction::Gauche
            << QStringList{pleine, pleine, pleine, pleine, pleine, rangee("xxxxD...")};
        QTest::newRow("gauche au début s'arrête")
            << Direction::Gauche
            << QStringList{rangee("D......."), pleine, pleine, pleine, pleine, pleine};
        QTest::newRow("droite saute les cachées")
            << Direction::Droite
            << QStringList{rangee("DxxA...."), pleine, pleine, pleine, pleine, pleine};
        QTest::newRow("droite à la dernière jouable s'arrête")
            << Direction::Droite
            << QStringList{pleine, pleine, pleine, pleine, pleine, rangee("....Dxxx")};
        QTest::newRow("bas dans la même colonne")
            << Direction::Bas
            << QStringList{rangee("..D....."), rangee("..A....."), pleine, pleine, pleine, pleine};
        QTest::newRow("la rangée la plus proche passe avant la même colonne plus loin")
            << Direction::Bas
            << QStringList{rangee("..D....."), rangee(".Ax....."), vide, pleine, vide, vide};
        QTest::newRow("colonne vide : la plus proche de la rangée suivante")
            << Direction::Bas
            << QStringList{rangee("..D....."), rangee("xAxx.xxx"), vide, vide, vide, vide};
        QTest::newRow("à égalité, la colonne de gauche")
            << Direction::Bas
            << QStringList{rangee("...D...."), rangee("xAxxx.xx"), vide, vide, vide, vide};
        QTest::newRow("haut saute les rangées vides")
            << Direction::Haut
            << QStringList{rangee("xxxxxxAx"), vide, vide, vide, vide, rangee("..D.....")};
        QTest::newRow("haut à la première rangée s'arrête")
            << Direction::Haut
            << QStringList{rangee("....D..."), pleine, pleine, pleine, pleine, pleine};
        QTest::newRow("bas sans rien dessous s'arrête")
            << Direction::Bas
            << QStringList{pleine, pleine, pleine, rangee("xxxDxxxx"), vide, vide};
    }

    void laFlecheMeneALaCelluleAttendue()
    {
        QFETCH(Direction, direction);
        QFETCH(QStringList, plateau);
        const PlateauAscii lu = Lire(plateau);
        const auto jouable = [&lu](int i) { return lu.Jouable(i); };
        QCOMPARE(CelluleVoisine(lu.Cellule(QLatin1Char('D')), direction, jouable),
                 lu.Cellule(QLatin1Char('A')));
    }

    void unDepartHorsDuPlateauNeMeneNullePart()
    {
        const auto tout = [](int) { return true; };
        QCOMPARE(CelluleVoisine(0, Direction::Droite, tout), 0);
        QCOMPARE(CelluleVoisine(NombreCellules + 1, Direction::Gauche, tout), 0);
    }
};

QTEST_APPLESS_MAIN(TestNavigationPlateau)
#include "tst_navigation_plateau.moc"
