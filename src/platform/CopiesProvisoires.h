#pragma once
// Les copies provisoires de Scores.dat (Scores.dat.copie-XXXXXX et leur journal) : celle qu'un
// lancement écrit est verrouillée tant qu'il y travaille ; celles qu'un lancement tué a
// laissées ne le sont plus, et le lancement suivant les retire.
#include <QString>

namespace kalvoro {

// Le gabarit des noms provisoires, pour QTemporaryFile, dans ce dossier (terminé par "/").
QString GabaritCopie(const QString &dossier);

// Tient le verrou de la copie ouverte sur ce descripteur jusqu'à sa destruction. Le verrou
// suit le fichier sous son nouveau nom et tombe avec le processus, même tué.
class VerrouCopie {
public:
    explicit VerrouCopie(int descripteur);
    ~VerrouCopie();
    VerrouCopie(const VerrouCopie &) = delete;
    VerrouCopie &operator=(const VerrouCopie &) = delete;

private:
    int fd;
};

// Retire du dossier les copies provisoires que plus aucun lancement ne tient.
void RetirerCopiesAbandonnees(const QString &dossier);

} // namespace kalvoro
