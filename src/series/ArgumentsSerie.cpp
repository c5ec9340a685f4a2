#include "ArgumentsSerie.h"

#include "ImagesSerie.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kalvoro {

namespace {

QString CheminDe(const QString &argument)
{
    const QUrl adresse(argument);
    return adresse.isLocalFile() ? adresse.toLocalFile() : argument;
}

} // namespace

ArgumentsSerie LireArgumentsSerie(const QStringList &arguments)
{
    ArgumentsSerie lus;
    for (const QString &argument : arguments) {
        const QFileInfo chemin(CheminDe(argument));
        if (chemin.isDir()) {
            if (lus.nom.isEmpty())
                lus.nom = QDir(chemin.absoluteFilePath()).dirName();
            lus.images << ImagesDuDossier(chemin.absoluteFilePath());
        } else if (chemin.isFile()) {
            if (lus.nom.isEmpty())
                lus.nom = chemin.absoluteDir().dirName();
            lus.images << chemin.absoluteFilePath();
        } else {
            lus.introuvables << argument;
        }
    }
    lus.images.removeDuplicates();
    return lus;
}

} // namespace kalvoro
