#pragma once
#include <QString>

namespace kalvoro {

// Le nom de l'image `face` (1 à 24) de la série rangée dans `dossier` ("animaux", ...), tel que
// le lit un lecteur d'écran, dans la langue de l'interface ; vide s'il est inconnu. Les noms
// viennent du fichier des faces qui sert à dessiner les images, compilé dans les ressources : ils
// ne peuvent pas s'écarter des images.
QString NomImage(const QString &dossier, int face);

} // namespace kalvoro
