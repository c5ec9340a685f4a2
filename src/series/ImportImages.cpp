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

QFuture<ImageLue> LancerLectureSerie(const Serie &serie)
{
    QList<std::pair<QString, QString>> images;
    for (int i = 0; i < serie.Images.size(); ++i)
        images.append({serie.Images.at(i), serie.NomsImages.value(i)});
    return QtConcurrent::mapped(
        &FilsDesSeries(), images, [](const std::pair<QString, QString> &image) {
            ImageLue lue{image.first, image.second, LireImageGardee(image.first), {}, Refus::Aucun};
            if (!lue.Lue()) {
                lue.refus = Refus::Illisible;
                return lue;
            }
            // Le même format que les images lues : leurs apparences se comparent.
            lue.image.convertTo(QImage::Format_ARGB32_Premultiplied);
            lue.apparence = ApparenceDe(lue.image);
            return lue;
        });
}

QThreadPool &FilsDesSeries()
{
    static QThreadPool fils;
    return fils;
}

} // namespace kalvoro
