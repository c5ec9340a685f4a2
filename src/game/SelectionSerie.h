#pragma once
#include "OperationsFenetre.h"
#include "Series.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kalvoro {

// Lit le meilleur score d'une série (LireMeilleurScore du magasin) ; "" pour une table vide.
using LecteurMeilleurScore = std::function<QString(const QString &palmares)>;

// Remplit ListeJeux des six séries avec leurs numéros, puis des séries du joueur qui remplissent
// un plateau de cette taille (leurs noms, dans l'ordre de `duJoueur`, numérotées comme si toutes
// y étaient : SerieDeLEntree les retrouve) et de l'entrée « Mes séries… » ; rien n'est choisi
// ensuite.
void RemplirListeJeux(OperationsFenetre &fenetre, const QList<Serie> &duJoueur = {},
                      TaillePlateau taille = TailleClassique);

// Choix d'une série dans ListeJeux : verrouille la liste, rend le plateau et Annuler
// utilisables, affiche le meilleur score de la série. Ne fait rien si le texte est vide.
void ChoisirSerie(OperationsFenetre &fenetre, const LecteurMeilleurScore &lireMeilleurScore);

} // namespace kalvoro
