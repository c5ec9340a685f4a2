#pragma once
// Ce que contient un fichier de scores : Scores.dat et ses six tables toujours pleines, ou le
// fichier d'une série du joueur, une seule table qui commence vide.
#include "MagasinScores.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kalvoro {

struct ModeleScores {
    // Les noms exacts des tables du fichier ; aucune autre table n'y a sa place.
    QStringList Tables;
    // Le nom, entre guillemets, de la table d'une série ; lève ErreurScores pour une série qui
    // n'est pas dans ce fichier. Aucun autre texte n'entre jamais dans une requête.
    QByteArray (*Table)(const QString &serie);
    // Le refus d'un fichier qui contient un objet (table, vue, déclencheur) hors du modèle.
    ErreurScores (*Etranger)(const QString &chemin, const QString &nom);
    // Vrai : les tables commencent vides et reçoivent une ligne à chaque inscription jusqu'à
    // dix. Faux : elles ont toujours leurs lignes, qu'une inscription écrase en place.
    bool SeRemplit;
};

// Scores.dat : les six séries.
const ModeleScores &ModeleClassique();

// Le fichier d'une série du joueur : la table TableSerieJoueur, désignée par tout palmarès de
// série du joueur (PalmaresSerieJoueur).
const ModeleScores &ModeleSerieJoueur();

// Le nom fixe de la table d'une série du joueur : jamais le texte du joueur.
inline constexpr char TableSerieJoueur[] = "Scores";

} // namespace kalvoro
