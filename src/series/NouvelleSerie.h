#pragma once
#include "ImagesSerie.h"

#include "DimensionsPlateau.h"
#include <QList>

#include <QString>

namespace kalvoro {

// Le nombre d'images différentes qu'il faut au moins pour faire une série : une par paire du plus
// petit plateau. Les plateaux qu'elle ne remplit pas ne lui sont pas offerts.
inline constexpr int MinimumImagesSerie = TaillePetite.Paires();
// Et au plus : chaque image gardée tient environ 400 Kio pendant la composition (son carré, et
// l'image entière réduite d'où le joueur peut le déplacer : 260 Kio pour une photo en 16/9,
// 590 au plus), et l'import entier doit tenir dans quelque 300 Mio, quel que soit le nombre
// de fichiers du dossier.
inline constexpr int MaximumImagesSerie = 800;

// La série que le joueur compose, avant qu'elle existe sur le disque : ses images dans l'ordre,
// sans doublon, chacune avec son nom. La fenêtre n'en est que la vue.
class NouvelleSerie {
public:
    enum class Ajout { Ajoutee, Remplacee, Doublon, Illisible, Pleine };

    // Garde l'image lue, sauf si elle est illisible, déjà là (une image qui lui ressemble :
    // voir SeRessemblent) ou si la série a déjà MaximumImagesSerie images. D'une image déjà là
    // sous un nom de copie (« chat (1) »), l'original prend la place : Remplacee. `ligne` reçoit
    // la place de l'image ajoutée ou remplacée.
    Ajout Ajouter(const ImageLue &image, int *ligne = nullptr);
    void Retirer(int index);
    // Un nom vide ou fait de blancs garde l'ancien.
    void Renommer(int index, const QString &nom);
    // Déplace le carré gardé de l'image (voir ImageLue::carre), borné à l'image ; le carré que
    // la carte montrera suit. Sans effet sur une image déjà gardée, qui n'a plus que son carré.
    void Recadrer(int index, int decalage);
    // Oublie toutes les images : la composition recommence.
    void Vider() { images.clear(); }

    const QList<ImageLue> &Images() const { return images; }
    int Nombre() const { return static_cast<int>(images.size()); }
    bool PeutCreer() const { return Nombre() >= MinimumImagesSerie; }

private:
    // La place de l'image qui ressemble à celle-ci, -1 s'il n'y en a pas. Les images se
    // comparent une à une : 800 × 800 comparaisons de 56 octets prennent quelques
    // millisecondes pour tout un import.
    int Semblable(const ImageLue &image) const;

    QList<ImageLue> images;
};

} // namespace kalvoro
