#include "Apropos.h"
#include "BancJeu.h"
#include "Controles.h"
#include "FauxBureau.h"
#include "Jeu.h"
#include "SansAvisDePlateforme.h"
#include "Series.h"
#include "VersionAttendue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

using namespace kalvoro;

namespace {

constexpr int FacesParSerie = 24;
constexpr int CouleursMax = 16; // pour les images de 32 × 32 et leurs @2x

struct ImageAttendue {
    QString Chemin; // sans l'extension .png
    QSize Taille;
    bool Limitee; // au plus 16 couleurs
};

QString NomFace(const Serie &serie, int numero)
{
    return QStringLiteral(":/images/%1/%2").arg(serie.Dossier).arg(numero, 2, 10, QChar('0'));
}

QList<ImageAttendue> ImagesAttendues()
{
    QList<ImageAttendue> images;
    for (const Serie &serie : Series())
        for (int numero = 1; numero <= FacesParSerie; ++numero)
            images.append({NomFace(serie, numero), QSize(32, 32), true});
    images.append({QStringLiteral(":/images/dos"), QSize(32, 32), true});
    images.append({QStringLiteral(":/images/icone"), QSize(32, 32), true});
    images.append({QStringLiteral(":/images/embleme"), QSize(73, 75), false});
    images.append({QStringLiteral(":/images/quitter"), QSize(41, 41), false});
    images.append({QStringLiteral(":/images/logo_gelvo"), QSize(192, 65), false});
    return images;
}

// Couleurs distinctes ; tous les pixels entièrement transparents n'en font qu'une.
int NombreCouleurs(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> couleurs;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            couleurs.insert(qAlpha(pixel) == 0 ? 0 : pixel);
        }
    return int(couleurs.size());
}

// L'image telle qu'un bouton la montre : posée sur la couleur d'un bouton, à la taille donnée.
QImage SurUnBouton(const QImage &image, const QSize &taille)
{
    QImage resultat(taille, QImage::Format_RGB32);
    resultat.fill(QColor(240, 240, 240));
    QPainter peintre(&resultat);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    peintre.drawImage(QRect(QPoint(0, 0), taille), image);
    return resultat;
}

// Part des pixels qui se voient différents (un canal s'écarte de plus d'un quart) entre deux
// images ramenées à la taille de la première, sur fond de bouton.
double Ecart(const QImage &a, const QImage &b)
{
    const QImage ia = SurUnBouton(a, a.size());
    const QImage ib = SurUnBouton(b, a.size());
    int differents = 0;
    for (int y = 0; y < ia.height(); ++y)
        for (int x = 0; x < ia.width(); ++x) {
            const QRgb pa = ia.pixel(x, y);
            const QRgb pb = ib.pixel(x, y);
            const int plusGrand =
                std::max({std::abs(qRed(pa) - qRed(pb)), std::abs(qGreen(pa) - qGreen(pb)),
                          std::abs(qBlue(pa) - qBlue(pb))});
            differents += plusGrand > 64 ? 1 : 0;
        }
    return double(differents) / (ia.width() * ia.height());
}

QImage Charger(const QString &chemin)
{
    QImage image(chemin);
    if (image.isNull())
        qWarning("image illisible : %s", qPrintable(chemin));
    return image;
}

} // namespace

// Les images compilées dans le programme : les six séries de faces, le dos des cartes, l'icône
// et les images de la fenêtre À propos, chacune avec sa version @2x pour les écrans denses.
class TestImages : public QObject {
    Q_OBJECT

    // Deux faces d'une série diffèrent au moins sur cette part des pixels : en dessous, ce serait
    // la même image ou presque, que le joueur ne saurait pas distinguer.
    static constexpr double EcartMinimalEntreFaces = 0.10;
    // Une image et son @2x réduit ne diffèrent que par le lissage.
    static constexpr double EcartMaximalAvecLe2x = 0.05;

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void chaqueImageALaTailleEtLesCouleursVoulues_data();
    void chaqueImageALaTailleEtLesCouleursVoulues();
    void chaqueSerieASes24FacesEtRienDAutre_data();
    void chaqueSerieASes24FacesEtRienDAutre();
    void lesFacesDUneSerieSontDeuxADeuxDifferentesEtDifferentesDuDos_data();
    void lesFacesDUneSerieSontDeuxADeuxDifferentesEtDifferentesDuDos();
    void surUnEcranDenseQtPrendLe2x();
    void laFenetreAproposMontreLe2xDeSesImages_data();
    void laFenetreAproposMontreLe2xDeSesImages();
    void uneCelluleMontreLe2xActiveOuNon();
    void uneCarteAgrandieMontreLaGrandeSource();
};

void TestImages::chaqueImageALaTailleEtLesCouleursVoulues_data()
{
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<bool>("limitee");
    for (const ImageAttendue &image : ImagesAttendues())
        QTest::newRow(qPrintable(image.Chemin.mid(9)))
            << image.Chemin << image.Taille << image.Limitee;
}

void TestImages::chaqueImageALaTailleEtLesCouleursVoulues()
{
    QFETCH(QString, chemin);
    QFETCH(QSize, taille);
    QFETCH(bool, limitee);
    const QImage simple = Charger(chemin + ".png");
    const QImage grande = Charger(chemin + "@2x.png");
    QCOMPARE(simple.size(), taille);
    QCOMPARE(grande.size(), taille * 2);
    if (limitee) {
        QVERIFY2(NombreCouleurs(simple) <= CouleursMax, qPrintable(chemin));
        QVERIFY2(NombreCouleurs(grande) <= CouleursMax, qPrintable(chemin + "@2x"));
    }
    // Le @2x montre le même dessin : réduit, il se confond avec l'image simple.
    QVERIFY2(Ecart(simple, grande) < EcartMaximalAvecLe2x,
             qPrintable(QString("le @2x de %1 ne montre pas le même dessin").arg(chemin)));
}

void TestImages::chaqueSerieASes24FacesEtRienDAutre_data()
{
    QTest::addColumn<QString>("dossier");
    for (const Serie &serie : Series())
        QTest::newRow(serie.Dossier) << QString::fromUtf8(serie.Dossier);
}

// Un fichier mal nommé (« 1.png », « 25.png ») ne serait jamais montré, et la face attendue
// manquerait : la liste du dossier doit être exactement 01 à 24 et leurs @2x.
void TestImages::chaqueSerieASes24FacesEtRienDAutre()
{
    QFETCH(QString, dossier);
    QStringList attendus;
    for (int numero = 1; numero <= FacesParSerie; ++numero) {
        const QString nom = QStringLiteral("%1").arg(numero, 2, 10, QChar('0'));
        attendus << nom + ".png" << nom + "@2x.png";
    }
    attendus.sort();
    QStringList presents = QDir(":/images/" + dossier).entryList(QDir::Files);
    presents.sort();
    QCOMPARE(presents, attendus);
}

void TestImages::lesFacesDUneSerieSontDeuxADeuxDifferentesEtDifferentesDuDos_data()
{
    QTest::addColumn<int>("numeroSerie");
    for (const Serie &serie : Series())
        QTest::newRow(serie.Dossier) << serie.Numero;
}

void TestImages::lesFacesDUneSerieSontDeuxADeuxDifferentesEtDifferentesDuDos()
{
    QFETCH(int, numeroSerie);
    const Serie &serie = *SerieNumero(numeroSerie);
    QList<QImage> images;
    QStringList noms;
    for (int numero = 1; numero <= FacesParSerie; ++numero) {
        noms << NomFace(serie, numero);
        images << Charger(noms.last() + ".png");
    }
    noms << QStringLiteral(":/images/dos");
    images << Charger(noms.last() + ".png");
    for (int i = 0; i < images.size(); ++i)
        QVERIFY2(!images[i].isNull(), qPrintable(noms[i] + " manque"));
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j) {
            const double ecart = Ecart(images[i], images[j]);
            QVERIFY2(ecart >= EcartMinimalEntreFaces,
                     qPrintable(QString("%1 et %2 se ressemblent trop (%3 % des pixels diffèrent)")
                                    .arg(noms[i], noms[j])
                                    .arg(ecart * 100, 0, 'f', 1)));
        }
}

// Les boutons reçoivent leurs images par QIcon : sur un écran deux fois plus dense (ce test
// tourne à l'échelle 2), Qt doit prendre de lui-même le fichier @2x à côté du fichier demandé.
void TestImages::surUnEcranDenseQtPrendLe2x()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    for (const ImageAttendue &image : ImagesAttendues()) {
        const QPixmap pixmap = QIcon(image.Chemin + ".png").pixmap(image.Taille);
        QCOMPARE(pixmap.size(), image.Taille * 2);
        const QImage attendue = Charger(image.Chemin + "@2x.png");
        QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 attendue.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestImages::laFenetreAproposMontreLe2xDeSesImages_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QSize>("taille");
    QTest::newRow("emblème") << "Dessin4"
                             << ":/images/embleme" << QSize(73, 75);
    QTest::newRow("logo de Gelvo") << "Picture1"
                                   << ":/images/logo_gelvo" << QSize(192, 65);
    QTest::newRow("bouton Quitter") << "Quitter"
                                    << ":/images/quitter" << QSize(41, 41);
}

// Une image chargée en simple QPixmap garde sa taille de fichier et Qt l'agrandit, floue.
void TestImages::laFenetreAproposMontreLe2xDeSesImages()
{
    QFETCH(QString, controle);
    QFETCH(QString, chemin);
    QFETCH(QSize, taille);
    FauxBureau bureau;
    Apropos fenetre(VersionAttendue(), QString(), InfosVersion(), bureau);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const QWidget *widget = Enfant<QWidget>(&fenetre, controle);
    QPixmap montree;
    if (const auto *etiquette = qobject_cast<const QLabel *>(widget))
        montree = etiquette->pixmap();
    else if (const auto *bouton = qobject_cast<const QAbstractButton *>(widget))
        montree = bouton->icon().pixmap(bouton->iconSize(), widget->devicePixelRatioF());
    QCOMPARE(montree.devicePixelRatio(), 2.0);
    QCOMPARE(montree.deviceIndependentSize().toSize(), taille);
    QCOMPARE(montree.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             Charger(chemin + "@2x.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// Pendant la pause, les deux cartes retournées sont sur des cellules désactivées : nettes aussi.
void TestImages::uneCelluleMontreLe2xActiveOuNon()
{
    Jeu jeu(FabriqueMagasin{});
    jeu.AfficherDos(1);
    const auto *cellule = Enfant<QPushButton>(&jeu, QStringLiteral("Bouton1"));
    QVERIFY(cellule);
    const QImage attendue =
        Charger(":/images/dos@2x.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QPixmap montree = cellule->icon().pixmap(cellule->iconSize(), 2.0, mode);
        QCOMPARE(montree.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), attendue);
    }
}

// La fenêtre agrandie sur un petit plateau : la carte grandit, et son image vient de la grande
// source réduite, pas du @2x agrandi (floue).
void TestImages::uneCarteAgrandieMontreLaGrandeSource()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.magasin->Remplir(QStringLiteral("Animaux@4x3"), {});
    banc.ChoisirTaille(TaillePetite);
    banc.jeu->resize(900, 600);
    banc.ChoisirSerie(1);
    banc.Cliquer(1);
    const auto *cellule = banc.Cellule(1);
    QVERIFY(cellule->width() > 2 * 57);
    const QSize cote = cellule->iconSize();
    QVERIFY(cote.width() > 2 * 32);
    const QImage montree = cellule->icon().pixmap(cote, 2.0).toImage();
    const QImage attendue = Charger(":/images/animaux/grandes/01.png")
                                .scaled(cote * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(montree.size(), attendue.size());
    qint64 ecart = 0;
    for (int y = 0; y < attendue.height(); ++y)
        for (int x = 0; x < attendue.width(); ++x)
            ecart += std::abs(qGray(montree.pixel(x, y)) - qGray(attendue.pixel(x, y)));
    QVERIFY2(ecart < attendue.width() * attendue.height(), qPrintable(QString::number(ecart)));
}

int main(int argc, char **argv)
{
    // Un écran dense : Qt y multiplie tout par 2 et doit y choisir les images @2x.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_images.moc"
