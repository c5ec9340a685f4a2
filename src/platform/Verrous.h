#pragma once
#include <optional>

namespace kalvoro {

// Les touches verrouillées dont le système tient l'état (la touche Inser n'en a pas : le
// programme la tient lui-même en bascule).
enum class Verrou { Defilement, Majuscules, Numerique };

// L'état du voyant : allumé, éteint, ou inconnu quand le système ne le dit pas (hors X11,
// ou sans serveur X comme dans les tests).
std::optional<bool> EtatVerrou(Verrou verrou);

} // namespace kalvoro
