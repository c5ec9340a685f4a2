#pragma once
#include "ImagesSerie.h"

#include <QFuture>
#include <QStringList>

namespace kalvoro {

// Lit ces fichiers sur un autre fil, un par un et dans l'ordre : chaque fichier donne un
// résultat (lu ou non), et la progression va de 0 au nombre de fichiers. L'appelant suit le
// QFuture avec un QFutureWatcher (résultats, progression, fin) et l'arrête par cancel() : la
// lecture s'arrête au fichier suivant. Rien n'est écrit sur le disque.
QFuture<ImageLue> LancerImport(const QStringList &chemins);

} // namespace kalvoro
