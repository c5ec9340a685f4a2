#pragma once
// La liste des dossiers portables dont les scores sont passés dans la copie du joueur
// (dossiers-repris.txt, à côté d'elle) : un dossier par ligne, terminé par un saut de ligne.
#include <QString>

namespace kalvoro {

// Le dossier est-il dans la liste ? Lue par morceaux, sans la charger entière ni suivre un lien
// symbolique, et seulement si c'est un fichier ordinaire : une liste démesurée ou un tube ne
// coûtent rien au démarrage. Un nom qui contient un saut de ligne est reconnu aussi.
bool ListeContient(const QString &liste, const QString &dossier);

// Ajoute le dossier en fin de liste, sur le disque avant de rendre la main. Une liste qui ne
// finit pas par un saut de ligne en reçoit un d'abord : sans cela, le dossier collerait à la
// dernière ligne et ne serait jamais reconnu. Rend la cause d'un échec, vide si tout va bien.
QString AjouterALaListe(const QString &liste, const QString &dossier);

} // namespace kalvoro
