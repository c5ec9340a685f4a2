#pragma once
// Un descripteur de fichier du système, pour les quelques lectures et écritures qui ne passent
// pas par Qt : au démarrage avant l'application, ou là où il faut un drapeau que QFile n'a pas
// (ne pas suivre un lien, ne pas attendre un tube, verrouiller).
#include <QFile>
#include <QString>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvoro {

// Ouvert à la construction, fermé avec l'objet ; fd vaut -1 (et errno dit pourquoi) si
// l'ouverture a échoué.
struct Descripteur {
    int fd;
    Descripteur(const QString &chemin, int drapeaux, mode_t droits = 0600)
        : fd(::open(QFile::encodeName(chemin).constData(), drapeaux | O_CLOEXEC, droits))
    {
    }
    ~Descripteur()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descripteur(const Descripteur &) = delete;
    Descripteur &operator=(const Descripteur &) = delete;

    // Un fichier ordinaire : ni tube, ni périphérique, ni dossier.
    bool Ordinaire() const
    {
        struct stat etat {};
        return fd >= 0 && ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode);
    }
};

// Rend durable, autant que le système le permet, une entrée créée ou renommée dans ce
// dossier. Elle est déjà faite : un échec ici ne doit pas la faire croire manquée.
inline void SynchroniserDossier(const QString &dossier)
{
    const Descripteur repertoire(dossier, O_RDONLY | O_DIRECTORY);
    if (repertoire.fd >= 0)
        ::fsync(repertoire.fd);
}

} // namespace kalvoro
