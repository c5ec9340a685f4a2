#pragma once
#include "ImagesSerie.h"

#include <QList>
#include <QSet>
#include <QString>

namespace kalvoro {

// Le nombre d'images différentes qu'il faut au moins pour faire une série : une par paire.
inline constexpr int MinimumImagesSerie = 24;

// La série que le joueur compose, avant qu'elle existe sur le disque : ses images dans l'ordre,
// sans doublon, chacune avec son nom. La fenêtre n'en est que la vue.
class NouvelleSerie {
public:
    enum class Ajout { Ajoutee, Doublon, Illisible };

    // Garde l'image lue, sauf si elle est illisible ou déjà là (même empreinte).
    Ajout Ajouter(const ImageLue &image);
    void Retirer(int index);
    // Un nom vide ou fait de blancs garde l'ancien.
    void Renommer(int index, const QString &nom);

    const QList<ImageLue> &Images() const { return images; }
    int Nombre() const { return static_cast<int>(images.size()); }
    bool PeutCreer() const { return Nombre() >= MinimumImagesSerie; }

private:
    QList<ImageLue> images;
    QSet<QByteArray> empreintes;
};

} // namespace kalvoro
