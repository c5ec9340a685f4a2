#include "NouvelleSerie.h"
#include "NomsSerie.h"

#include <algorithm>

namespace kalvoro {

NouvelleSerie::Ajout NouvelleSerie::Ajouter(const ImageLue &image, int *ligne)
{
    if (!image.Lue())
        return Ajout::Illisible;
    if (const int semblable = Semblable(image); semblable >= 0) {
        const ImageLue &gardee = images.at(semblable);
        // Le nom que le joueur a donné à l'image gardée reste le sien.
        const bool nomPropose = gardee.nom == NomDepuisFichier(gardee.source);
        if (!nomPropose || !NomDeCopie(gardee.nom) || NomDeCopie(image.nom))
            return Ajout::Doublon;
        images[semblable] = image;
        if (ligne)
            *ligne = semblable;
        return Ajout::Remplacee;
    }
    if (Nombre() >= MaximumImagesSerie)
        return Ajout::Pleine;
    if (ligne)
        *ligne = Nombre();
    images.append(image);
    return Ajout::Ajoutee;
}

int NouvelleSerie::Semblable(const ImageLue &image) const
{
    for (int i = 0; i < Nombre(); ++i)
        if (SeRessemblent(images.at(i).apparence, image.apparence))
            return i;
    return -1;
}

void NouvelleSerie::Retirer(int index)
{
    // L'image retirée peut revenir : elle n'est plus là pour qu'une autre lui ressemble.
    if (index >= 0 && index < Nombre())
        images.removeAt(index);
}

void NouvelleSerie::Renommer(int index, const QString &nom)
{
    const QString propre = NomNettoye(nom, LongueurNomImage);
    if (index < 0 || index >= Nombre() || propre.isEmpty())
        return;
    images[index].nom = propre;
}

void NouvelleSerie::Recadrer(int index, int decalage)
{
    if (index < 0 || index >= Nombre() || images.at(index).entiere.isNull())
        return;
    ImageLue &image = images[index];
    image.carre = std::clamp(decalage, 0, JeuDuCarre(image.entiere));
    image.image = CarreDe(image.entiere, image.carre);
}

} // namespace kalvoro
