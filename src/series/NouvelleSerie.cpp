#include "NouvelleSerie.h"
#include "NomsSerie.h"

namespace kalvoro {

NouvelleSerie::Ajout NouvelleSerie::Ajouter(const ImageLue &image)
{
    if (!image.Lue())
        return Ajout::Illisible;
    if (empreintes.contains(image.empreinte))
        return Ajout::Doublon;
    if (Nombre() >= MaximumImagesSerie)
        return Ajout::Pleine;
    empreintes.insert(image.empreinte);
    images.append(image);
    return Ajout::Ajoutee;
}

void NouvelleSerie::Retirer(int index)
{
    if (index < 0 || index >= Nombre())
        return;
    // L'image retirée peut revenir : son empreinte n'est plus prise.
    empreintes.remove(images.at(index).empreinte);
    images.removeAt(index);
}

void NouvelleSerie::Renommer(int index, const QString &nom)
{
    const QString propre = NomNettoye(nom, LongueurNomImage);
    if (index < 0 || index >= Nombre() || propre.isEmpty())
        return;
    images[index].nom = propre;
}

} // namespace kalvoro
