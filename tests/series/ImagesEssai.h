#pragma once
// Des images fabriquées par les essais des séries du joueur : aucun fichier binaire n'est
// gardé dans le dépôt.
#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QtEndian>

namespace essai {

// Une image aux quatre quarts de couleurs différentes : rouge, vert / bleu, jaune. Après
// lecture, la couleur du coin haut gauche dit comment l'image a été tournée.
inline QImage ImageQuarts(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    QPainter peintre(&image);
    const int x = largeur / 2, y = hauteur / 2;
    peintre.fillRect(0, 0, x, y, Qt::red);
    peintre.fillRect(x, 0, largeur - x, y, Qt::green);
    peintre.fillRect(0, y, x, hauteur - y, Qt::blue);
    peintre.fillRect(x, y, largeur - x, hauteur - y, Qt::yellow);
    return image;
}

// Le segment APP1 d'un EXIF minimal : un en-tête TIFF gros-boutiste et un IFD d'une seule
// entrée, l'orientation (0x0112, SHORT, 1 valeur).
inline QByteArray SegmentExif(quint16 orientation)
{
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    const auto court = [&tiff](quint16 v) { tiff.append(char(v >> 8)).append(char(v & 0xff)); };
    court(1);
    court(0x0112), court(3), court(0), court(1), court(orientation), court(0);
    tiff.append(QByteArray(4, '\0'));
    const QByteArray charge = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char((charge.size() + 2) >> 8)).append(char((charge.size() + 2) & 0xff));
    return segment + charge;
}

inline QByteArray EnJpeg(const QImage &image, int qualite = 90, bool progressif = false)
{
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "jpeg");
    ecrivain.setQuality(qualite);
    ecrivain.setProgressiveScanWrite(progressif);
    ecrivain.write(image);
    return jpeg;
}

// Le JPEG de l'image, avec l'orientation EXIF donnée (0 : sans EXIF) juste après SOI.
inline QByteArray JpegOriente(const QImage &image, quint16 orientation, int qualite = 90)
{
    const QByteArray jpeg = EnJpeg(image, qualite);
    return orientation ? jpeg.left(2) + SegmentExif(orientation) + jpeg.mid(2) : jpeg;
}

inline bool Ecrire(const QString &chemin, const QByteArray &contenu)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size();
}

// La k-ième image d'une suite d'images toutes différentes aux yeux d'un joueur, même réduites :
// une teinte, et un damier de 8 × 8 cases claires ou sombres tiré de k.
inline QImage ImageNumero(int k, int cote = 64)
{
    QImage image(cote, cote, QImage::Format_RGB32);
    const QColor teinte = QColor::fromHsv((k * 37) % 360, 80 + (k * 53) % 176, 255 - (k % 5) * 30);
    image.fill(teinte);
    quint64 motif = (quint64(k) + 1) * 0x9E3779B97F4A7C15ull;
    motif = (motif ^ (motif >> 31)) * 0xBF58476D1CE4E5B9ull;
    motif ^= motif >> 29;
    QPainter peintre(&image);
    const qreal cellule = cote / 8.0;
    for (int i = 0; i < 64; ++i)
        if ((motif >> i) & 1)
            peintre.fillRect(QRectF(i % 8 * cellule, i / 8 * cellule, cellule, cellule),
                             teinte.darker(250));
    return image;
}

// Une scène de famille en largeur : ciel, pelouse, maison, et quelqu'un debout à l'abscisse
// `personne` (en fraction de la largeur).
inline QImage Scene(qreal personne, int largeur = 960, int hauteur = 720)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, hauteur / 2.0);
    ciel.setColorAt(0, QColor(90, 150, 230));
    ciel.setColorAt(1, QColor(220, 235, 250));
    peintre.fillRect(0, 0, largeur, hauteur / 2, ciel);
    peintre.fillRect(0, hauteur / 2, largeur, hauteur - hauteur / 2, QColor(70, 150, 60));
    const auto x = [largeur](qreal f) { return f * largeur; };
    const auto y = [hauteur](qreal f) { return f * hauteur; };
    peintre.fillRect(QRectF(x(.55), y(.25), x(.25), y(.35)), QColor(190, 120, 70));
    peintre.setBrush(QColor(250, 220, 60));
    peintre.setPen(Qt::NoPen);
    peintre.drawEllipse(QPointF(x(.12), y(.12)), x(.05), x(.05));
    peintre.setBrush(QColor(40, 40, 110));
    peintre.drawRect(QRectF(x(personne - .06), y(.35), x(.12), y(.55)));
    peintre.setBrush(QColor(240, 200, 170));
    peintre.drawEllipse(QPointF(x(personne), y(.28)), x(.05), x(.05));
    return image;
}

// Un portrait debout en hauteur (9 × 16) : un ciel blanc, la tête, une bande rouge au haut de
// l'image, que le carré centré couperait, puis le corps bleu.
inline QImage Portrait(int largeur = 900, int hauteur = 1600)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter peintre(&image);
    peintre.fillRect(0, 0, largeur, hauteur * 3 / 32, Qt::white);
    peintre.fillRect(0, hauteur * 3 / 32, largeur, hauteur / 6, Qt::red);
    return image;
}

} // namespace essai
