#pragma once
#include <QString>

namespace kalvoro {

// Les entrées de la fiche de version qu'affiche la fenêtre À propos. Celles du programme par
// défaut ; une autre fiche peut être donnée pour vérifier l'affichage de valeurs particulières.
struct InfosVersion {
    QString NomProduit;
    int VersionMajeure = 0;
    int VersionMineure = 0;
    QString Commentaires;
    QString Copyright;
    QString Organisation;
    QString MarquesLegales;
    // Le nom du fichier exécutable tel qu'il est : "kalvoro" ici, "kalvoro.exe" sous Windows.
    QString NomExecutable;

    static InfosVersion DuProgramme();
};

} // namespace kalvoro
