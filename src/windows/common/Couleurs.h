#pragma once
#include <QColor>

namespace kalvoro {

// Le gris clair des fenêtres à l'ancienne : fond des étiquettes de score, de la grille des
// scores, des zones de la saisie et des onglets de la fenêtre À propos.
inline const QColor GrisClair(192, 192, 192);

} // namespace kalvoro
