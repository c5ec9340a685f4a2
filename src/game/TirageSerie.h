#pragma once
#include <QList>
#include <functional>

namespace kalvoro {

// Les images d'une partie : `paires` images différentes, tirées au hasard parmi les `nombre` de
// la série à chaque partie, pour qu'une série de soixante photos ne donne pas toujours le même
// jeu. Rend leurs index (0 à nombre - 1), toutes s'il n'y en a pas plus. `source` rend un x
// uniforme sur [0, 1), comme celle de Partie.
QList<int> TirerImages(int nombre, const std::function<float()> &source, int paires);

} // namespace kalvoro
