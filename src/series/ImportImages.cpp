#include "ImportImages.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace kalvoro {

QFuture<ImageLue> LancerImport(const QStringList &chemins)
{
    // La liste est copiée dans la tâche : le fil de lecture ne partage rien d'autre avec
    // l'appelant, qui peut la changer aussitôt.
    return QtConcurrent::run([chemins](QPromise<ImageLue> &promesse) {
        promesse.setProgressRange(0, static_cast<int>(chemins.size()));
        for (int i = 0; i < chemins.size(); ++i) {
            if (promesse.isCanceled())
                return;
            promesse.addResult(LireImage(chemins.at(i)));
            promesse.setProgressValue(i + 1);
        }
    });
}

} // namespace kalvoro
