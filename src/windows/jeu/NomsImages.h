#pragma once
#include <QString>

namespace kalvoro {

// Le nom de l'image des ressources à ce chemin (":/images/animaux/05.png"), tel que le lit un
// lecteur d'écran, dans la langue de l'interface ; vide s'il est inconnu (une photo du joueur,
// qui porte son propre nom). Les noms viennent du fichier des faces qui sert à dessiner les
// images, compilé dans les ressources : ils ne peuvent pas s'écarter des images.
QString NomImage(const QString &image);

} // namespace kalvoro
