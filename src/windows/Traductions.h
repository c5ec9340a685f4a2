#pragma once

namespace kalvoro {

// Les textes fournis par Qt lui-même (Oui/Non des boîtes de message, menu contextuel des zones
// de saisie) en français, comme le reste de l'interface. Sans fichier de traduction installé,
// Qt garde ses textes anglais : le jeu fonctionne quand même.
void InstallerTraductionsQt();

} // namespace kalvoro
