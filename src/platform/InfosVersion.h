#pragma once
#include "Programme.h"

#include <QCoreApplication>
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
    // Le nom du fichier exécutable tel qu'il s'appelle au moment où le programme tourne :
    // "kalvoro" ici, "kalvoro.exe" sous Windows, le nouveau nom d'une copie renommée.
    QString NomExecutable;

    // La fiche du programme ; le nom de l'exécutable est pris du fichier donné, par défaut
    // celui qui tourne.
    static InfosVersion DuProgramme(const QString &cheminExecutable = CheminExecutable());

    // Le contexte de traduction des textes qui la concernent ; le dernier : il finit en private.
    Q_DECLARE_TR_FUNCTIONS(InfosVersion)
};

} // namespace kalvoro
