#include "StockScores.h"
// L'interface n'a pas de code propre ; ce fichier ancre la bibliothèque tant qu'elle n'en a pas d'autre.
