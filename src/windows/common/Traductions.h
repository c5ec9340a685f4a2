#pragma once
#include "Langue.h"

namespace kalvoro {

// La langue du joueur, d'après la première de ses langues (QLocale::uiLanguages()) : l'anglais
// si elle est anglaise, le français pour toute langue sans catalogue. Installe le catalogue du
// programme et celui des textes de Qt lui-même (Oui/Non des boîtes de message, menu contextuel
// des zones de saisie) dans la même langue : qtbase_fr en français ; en anglais, Qt la parle
// déjà. Sans fichier qtbase installé, Qt garde ses textes anglais : le jeu fonctionne quand même.
Langue InstallerTraductions(const QStringList &interfaces);

} // namespace kalvoro
