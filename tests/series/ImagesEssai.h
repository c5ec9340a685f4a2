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

// La k-ième image d'une suite d'images toutes différentes, même réduites.
inline QImage ImageNumero(int k, int cote = 64)
{
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((k * 37) % 360, 80 + (k * 53) % 176, 255 - (k % 5) * 30));
    return image;
}

} // namespace essai
