#pragma once
#include <optional>

namespace kalvoro {

// Une barre d'espace (ou Sélection) sur Annuler abandonne-t-elle la partie ? Après chaque carte
// le programme met lui-même le focus sur Annuler : un double appui ou la répétition de la
// touche tenue ne doivent pas abandonner la partie par surprise. N'abandonnent donc pas : une
// touche répétée, une touche pendant la pause, une touche venue moins d'un double-clic après
// que le programme a mis le focus sur Annuler (depuisFocusProgrammeMs, absent si c'est le
// joueur qui l'y a mis). Un appui voulu, plus tard, abandonne ; la souris abandonne toujours.
bool AbandonAuClavierVoulu(bool repetee, bool enPause,
                           std::optional<long long> depuisFocusProgrammeMs,
                           int intervalleDoubleClicMs);

} // namespace kalvoro
