#pragma once
// Les écritures d'une série sur le disque. Chaque échec lève ErreurSerie, avec le fichier ou
// le dossier en cause et la raison donnée par le système.
#include "Descripteur.h"
#include <QByteArray>

#include <QString>

namespace kalvoro {

// Écrit le fichier en entier sous un nom provisoire, le synchronise puis le renomme.
void EcrireFichier(const QString &chemin, const QByteArray &contenu);

// Renomme un fichier ou un dossier d'un coup (rename(2)).
void RenommerChemin(const QString &source, const QString &cible);

// SynchroniserDossier, pour rendre durable un renommage, est dans Descripteur.h.

// Retire les dossiers .creation-* et .suppression-* qu'un lancement tué a laissés dans le
// dossier des séries. Ceux de moins de dix minutes peuvent être à un autre lancement, qui y
// travaille encore : ils restent.
void RetirerRestes(const QString &dossier);

} // namespace kalvoro
