#include "ListeReprises.h"

#include "Descripteur.h"
#include "Emplacements.h"

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

namespace kalvoro {

namespace {

QString Cause()
{
    if (errno == ELOOP)
        return Emplacements::tr("c'est un lien symbolique");
    return qt_error_string(errno);
}

// Cherche l'aiguille dans le contenu du descripteur, encadré de deux sauts de ligne, par
// morceaux : la mémoire ne dépend pas de la taille de la liste.
bool ContientParMorceaux(int fd, const QByteArray &aiguille)
{
    constexpr qsizetype Morceau = 64 * 1024;
    QByteArray fenetre("\n");
    QByteArray lu(Morceau, '\0');
    for (;;) {
        const ssize_t n = ::read(fd, lu.data(), size_t(Morceau));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        fenetre.append(lu.constData(), n);
        if (fenetre.contains(aiguille))
            return true;
        // Garde de quoi reconnaître une aiguille à cheval sur deux morceaux.
        fenetre = fenetre.right(aiguille.size() - 1);
    }
    return (fenetre + '\n').contains(aiguille);
}

bool FinitParSautDeLigne(int fd)
{
    const off_t taille = ::lseek(fd, 0, SEEK_END);
    char dernier = '\n';
    return taille <= 0 || (::pread(fd, &dernier, 1, taille - 1) == 1 && dernier == '\n');
}

bool EcrireTout(int fd, const QByteArray &octets)
{
    qsizetype ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::write(fd, octets.constData() + ecrits, size_t(octets.size() - ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        ecrits += n;
    }
    return ::fsync(fd) == 0;
}

} // namespace

bool ListeContient(const QString &liste, const QString &dossier)
{
    const Descripteur fichier(liste, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    return fichier.Ordinaire() && ContientParMorceaux(fichier.fd, '\n' + dossier.toUtf8() + '\n');
}

QString AjouterALaListe(const QString &liste, const QString &dossier)
{
    const Descripteur fichier(liste, O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK);
    if (fichier.fd < 0)
        return Cause();
    if (!fichier.Ordinaire())
        return Emplacements::tr("ce n'est pas un fichier ordinaire");
    const QByteArray ligne = dossier.toUtf8() + '\n';
    if (!EcrireTout(fichier.fd, FinitParSautDeLigne(fichier.fd) ? ligne : '\n' + ligne))
        return Cause();
    return {};
}

} // namespace kalvoro
