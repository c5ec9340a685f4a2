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

// Un fichier est pris tel quel : sa lecture dira s'il est illisible ou fermé au joueur. Un
// tube ou un périphérique n'est pas une image, et un dossier fermé ne se parcourt pas.
Refus RefusDe(const QFileInfo &chemin)
{
    if (!chemin.exists())
        return Refus::Introuvable;
    if (chemin.isDir())
        return chemin.isReadable() && chemin.isExecutable() ? Refus::Aucun : Refus::AccesRefuse;
    return chemin.isFile() ? Refus::Aucun : Refus::PasUnFichier;
}

} // namespace

ArgumentsSerie LireArgumentsSerie(const QStringList &arguments)
{
    ArgumentsSerie lus;
    for (const QString &argument : arguments) {
        const QFileInfo chemin(CheminDe(argument));
        const Refus refus = RefusDe(chemin);
        if (refus != Refus::Aucun) {
            lus.refuses << QStringLiteral("%1 : %2").arg(argument, TexteRefus(refus));
            continue;
        }
        if (lus.nom.isEmpty())
            lus.nom = chemin.isDir() ? QDir(chemin.absoluteFilePath()).dirName()
                                     : chemin.absoluteDir().dirName();
        // Un dossier est parcouru par la fenêtre, sur les fils des séries : un grand dossier ne
        // retient pas le démarrage.
        lus.images << chemin.absoluteFilePath();
    }
    lus.images.removeDuplicates();
    return lus;
}

} // namespace kalvoro
