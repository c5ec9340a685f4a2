#include "ImportImages.h"

#include <QtConcurrent/QtConcurrentMap>

namespace kalvoro {

QFuture<ImageLue> LancerImport(const QStringList &chemins)
{
    // Une photo par cœur à la fois : décoder est presque tout le travail, et chaque lecture est
    // indépendante. La liste est copiée dans la tâche : le fil de lecture ne partage rien
    // d'autre avec l'appelant, qui peut la changer aussitôt.
    return QtConcurrent::mapped(&FilsDesSeries(), chemins, &LireImage);
}

QThreadPool &FilsDesSeries()
{
    static QThreadPool fils;
    return fils;
}

} // namespace kalvoro
