#pragma once
#include "ImagesSerie.h"
#include "Series.h"

#include <QFuture>
#include <QStringList>
#include <QThreadPool>

namespace kalvoro {

// Lit ces fichiers sur d'autres fils, plusieurs à la fois : chaque fichier donne un résultat
// (lu ou non), rangé à la place du fichier dans la liste, et la progression va de 0 au nombre
// de fichiers. Les résultats peuvent arriver dans le désordre : l'appelant qui les veut dans
// l'ordre attend que le suivant soit prêt (isResultReadyAt). Il suit le QFuture avec un
// QFutureWatcher (résultats, progression, fin) et l'arrête par cancel() : aucun fichier n'est
// commencé après. Rien n'est écrit sur le disque.
QFuture<ImageLue> LancerImport(const QStringList &chemins);

// Lit de même les images gardées d'une série du joueur (voir LireImageGardee), chacune avec
// son nom : de quoi la montrer et la changer. Une image abîmée est dite illisible.
QFuture<ImageLue> LancerLectureSerie(const Serie &serie);

// Les fils des longs travaux sur les séries du joueur (lire les photos, écrire une série) : un
// pool à eux, jamais celui de Qt, que le dessin des fenêtres emploie aussi et qu'il attendrait.
QThreadPool &FilsDesSeries();

} // namespace kalvoro
