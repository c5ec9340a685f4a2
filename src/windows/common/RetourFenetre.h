#pragma once

namespace kalvoro {

// Quand un dialogue ou une boîte du programme se ferme, la fenêtre qu'il couvrait redevient
// active et montre son focus : certains gestionnaires de fenêtres la laissent inactive (titre
// grisé, aucun cadre de focus, Espace sans effet jusqu'à un clic). Posé une fois pour toutes.
void ReactiverSousLesDialogues();

} // namespace kalvoro
