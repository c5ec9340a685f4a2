#pragma once
// Ce que contient un fichier de scores : Scores.dat et ses six tables toujours pleines, le
// fichier des six à une autre taille de plateau, dont les tables commencent vides, ou le fichier
// d'une série du joueur, une table par taille de plateau.
#include "DimensionsPlateau.h"
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
    // Les tables d'un fichier fait avant les tailles de plateau, qui n'avait qu'elles ; vide si
    // le fichier a toujours eu toutes les siennes. Un tel fichier reçoit les autres, vides.
    QStringList TablesAvantTailles = {};
};

// Scores.dat : les six séries, au plateau classique.
const ModeleScores &ModeleClassique();

// Le fichier des six séries à une autre taille de plateau : les mêmes six tables, vides au départ.
const ModeleScores &ModeleTaille();

// Le fichier d'une série du joueur : une table par taille, TableSerieJoueur au plateau classique,
// désignée par tout palmarès de série du joueur (PalmaresSerieJoueur) à cette taille.
const ModeleScores &ModeleSerieJoueur();

// Le nom fixe de la table d'une série du joueur au plateau classique : jamais le texte du joueur.
inline constexpr char TableSerieJoueur[] = "Scores";

// Le nom de la table d'une série du joueur à cette taille : « Scores », « Scores-4x3 »...
QString TableSerieJoueurA(TaillePlateau taille);

// L'instruction qui crée une table vide de ce nom, aux champs et contraintes des tables de
// Scores.dat ; une table déjà là reste telle quelle.
QByteArray CreationTable(const QString &nom);

} // namespace kalvoro
