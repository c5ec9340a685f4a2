#include "FichierExterieur.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvoro {

namespace {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class FichierExterieur {
    Q_DECLARE_TR_FUNCTIONS(FichierExterieur)
};

Refus RefusDe(int erreur)
{
    switch (erreur) {
    case ENOENT:
    case ENOTDIR:
        return Refus::Introuvable;
    case EACCES:
    case EPERM:
        return Refus::AccesRefuse;
    case ELOOP: // un lien, refusé par O_NOFOLLOW
    case ENXIO: // une prise
        return Refus::PasUnFichier;
    default:
        return Refus::Illisible;
    }
}

} // namespace

FichierOuvert OuvrirFichierOrdinaire(const QString &chemin, qint64 tailleMaximale, Liens liens)
{
    // O_NONBLOCK : ouvrir un tube sans écrivain n'attend pas ; il est refusé juste après.
    const int drapeaux =
        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (liens == Liens::Refuses ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(chemin).constData(), drapeaux);
    if (fd < 0)
        return {nullptr, RefusDe(errno)};
    struct stat etat {};
    Refus refus = Refus::Aucun;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode))
        refus = Refus::PasUnFichier;
    else if (etat.st_size > tailleMaximale)
        refus = Refus::TropGros;
    // Un fichier ordinaire ne fait jamais attendre : les lectures redeviennent ordinaires.
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refus = Refus::Illisible;
    auto fichier = std::make_unique<QFile>();
    if (refus == Refus::Aucun &&
        !fichier->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        refus = Refus::Illisible;
    if (refus != Refus::Aucun) {
        ::close(fd);
        return {nullptr, refus};
    }
    return {std::move(fichier), Refus::Aucun};
}

QString TexteRefus(Refus refus)
{
    switch (refus) {
    case Refus::Aucun:
        return {};
    case Refus::Introuvable:
        return FichierExterieur::tr("introuvable");
    case Refus::PasUnFichier:
        return FichierExterieur::tr("pas un fichier ordinaire");
    case Refus::AccesRefuse:
        return FichierExterieur::tr("accès refusé");
    case Refus::TropGros:
        return FichierExterieur::tr("fichier trop gros");
    case Refus::Illisible:
        return FichierExterieur::tr("image illisible");
    case Refus::TropGrande:
        return FichierExterieur::tr("image trop grande");
    case Refus::RenvoiExterne:
        return FichierExterieur::tr("image SVG qui renvoie à d'autres fichiers");
    }
    return {};
}

} // namespace kalvoro
