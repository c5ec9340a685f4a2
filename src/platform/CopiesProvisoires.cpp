#include "CopiesProvisoires.h"

#include "Descripteur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/file.h>
#include <unistd.h>

namespace kalvoro {

namespace {

const QString PrefixeCopie = QStringLiteral("Scores.dat.copie-");
// Les six caractères qui rendent chaque nom unique.
const QString Six(6, QLatin1Char('?'));

// Un verrou pris sans attendre : la copie n'appartient plus à personne.
bool Abandonnee(const QString &chemin)
{
    const Descripteur copie(chemin, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    return copie.fd >= 0 && ::flock(copie.fd, LOCK_EX | LOCK_NB) == 0;
}

} // namespace

QString GabaritCopie(const QString &dossier)
{
    return dossier + PrefixeCopie + QStringLiteral("XXXXXX");
}

// dup : le verrou appartient à la description ouverte, qui survit ainsi à la fermeture du
// fichier provisoire par son propriétaire.
VerrouCopie::VerrouCopie(int descripteur) : fd(::fcntl(descripteur, F_DUPFD_CLOEXEC, 0))
{
    if (fd >= 0)
        ::flock(fd, LOCK_EX);
}

VerrouCopie::~VerrouCopie()
{
    if (fd >= 0)
        ::close(fd);
}

void RetirerCopiesAbandonnees(const QString &dossier)
{
    const QDir lieu(dossier);
    const QStringList copies = lieu.entryList({PrefixeCopie + Six}, QDir::Files | QDir::System);
    for (const QString &copie : copies) {
        if (!Abandonnee(lieu.filePath(copie)))
            continue;
        QFile::remove(lieu.filePath(copie + QStringLiteral("-journal")));
        QFile::remove(lieu.filePath(copie));
    }
    // Un lancement tué entre l'effacement de la copie et celui de son journal laisse le journal.
    const QString journal = QStringLiteral("-journal");
    for (const QString &seul :
         lieu.entryList({PrefixeCopie + Six + journal}, QDir::Files | QDir::System)) {
        if (!QFileInfo::exists(lieu.filePath(seul.chopped(journal.size()))))
            QFile::remove(lieu.filePath(seul));
    }
}

} // namespace kalvoro
