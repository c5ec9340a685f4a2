#pragma once
// Les vérifications du magasin des scores et ses messages d'échec : chaque message dit quoi, quel
// fichier et pourquoi, en français.
#include "MagasinScores.h"

#include <QByteArray>

namespace kalvoro {

struct ErreurSqlite;

// Le nom de la table de cette série, entre guillemets, prêt pour une requête. Lève
// ErreurScores pour tout nom qui n'est pas exactement celui d'une des six séries.
QByteArray NomTable(const QString &palmares);

// Le refus d'une série qui n'est pas une clé de série du joueur, dans le fichier d'une telle série.
ErreurScores PasUneSerieJoueur(const QString &palmares);

// Lève ErreurScores si une inscription dépasse les longueurs de NOM ou PRENOM ou n'a pas de date.
void VerifierEntree(const QString &nom, const QString &prenom, const QDate &date);

ErreurScores ErreurOuverture(const QString &chemin, const ErreurSqlite &erreur);
ErreurScores ErreurCreation(const QString &chemin, const ErreurSqlite &erreur);
ErreurScores ErreurLecture(const QString &chemin, const QString &palmares,
                           const ErreurSqlite &erreur);
ErreurScores ErreurEcriture(const QString &chemin, const QString &palmares,
                            const ErreurSqlite &erreur);
ErreurScores TableVide(const QString &chemin, const QString &palmares);
// defaut : ce qui manque à la table ("manque", "n'a pas les champs ...").
ErreurScores PasUneBase(const QString &chemin, const QString &palmares, const QString &defaut);
// Le fichier contient une table, une vue ou un déclencheur qui ne sont pas les siens.
ErreurScores ObjetEtranger(const QString &chemin, const QString &nom);
// De même dans le fichier d'une série du joueur, qui n'a que ses tables.
ErreurScores ObjetEtrangerSerieJoueur(const QString &chemin, const QString &nom);
ErreurScores ScoreNonEntier(const QString &chemin, const QString &palmares);

} // namespace kalvoro
