#pragma once
#include "Apparence.h"
#include "FichierExterieur.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

namespace kalvoro {

// Le côté des images gardées d'une série du joueur, en pixels : de quoi remplir sans agrandir une
// carte du plateau de 4 × 3 en plein écran sur 1920 × 1080 (263 pixels d'image). Les séries
// faites avant gardent leurs images de 192 pixels, lues aussi (plus petites sur une telle carte).
inline constexpr int CoteImageSerie = 288;
inline constexpr int CoteImageSerieAvantTailles = 192;

// Une image lue pour une série : son fichier d'origine, le nom proposé d'après ce fichier, et
// l'image carrée prête à garder, nulle si le fichier n'a pu être lu.
struct ImageLue {
    QString source;
    QString nom;
    QImage image; // le carré, tel que la carte le montrera
    // Ce qu'en voit le joueur : deux fichiers d'une même photo ont presque la même (celle du
    // carré par défaut, même si le joueur le déplace ensuite).
    Apparence apparence;
    // Pourquoi l'image n'a pas été lue.
    Refus refus = Refus::Aucun;
    // L'image entière, réduite (son petit côté à CoteImageSerie), d'où le carré est pris ; nulle
    // pour une image déjà gardée dans une série, dont le carré ne se déplace plus.
    QImage entiere{};
    // Où est le carré dans l'image entière : son décalage le long du grand côté, en pixels, de
    // 0 (en haut, à gauche) à JeuDuCarre(entiere).
    int carre = 0;

    bool Lue() const { return !image.isNull(); }
};

// De combien le carré peut se déplacer dans cette image entière (0 : elle est carrée).
int JeuDuCarre(const QImage &entiere);
// Le carré par défaut : dans une photo en hauteur, son centre au premier tiers de la hauteur
// (les têtes de ceux qu'on photographie debout sont dans le haut) ; centré sinon.
int CarreParDefaut(const QImage &entiere);
// Le carré de l'image entière à ce décalage (borné), à CoteImageSerie pixels de côté.
QImage CarreDe(const QImage &entiere, int decalage);

// Lit une image : orientation EXIF appliquée, décodée directement à une taille réduite (une photo
// de 48 mégapixels n'est jamais décodée en entier), recadrée au carré (centré, et plus haut dans
// une photo en hauteur, où sont les têtes), à CoteImageSerie.
// Le fichier est hostile : un tube ou un périphérique est refusé sans être lu, un SVG qui
// renvoie à d'autres fichiers aussi, et la mémoire du décodage est décidée avant lui, d'après
// la taille que l'image déclare (voir ImportImages.h) : trop grande, elle est refusée.
// Sûre depuis n'importe quel fil : aucun widget, aucun objet partagé.
ImageLue LireImage(const QString &chemin);

// Une image d'une série gardée sur le disque, telle que la montre une carte : un fichier
// ordinaire du dossier de la série, jamais à travers un lien, de taille bornée ; nulle sinon.
QImage LireImageGardee(const QString &chemin);

// Le nom proposé pour une image : son nom de fichier sans extension, les « _ » et « - » en
// blancs ("mamie_au-jardin.jpg" → "mamie au jardin").
QString NomDepuisFichier(const QString &chemin);

} // namespace kalvoro
