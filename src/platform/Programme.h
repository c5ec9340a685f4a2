#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace kalvoro {

// Le dossier des fichiers du programme, terminé par "/" : l'aide et les documents y sont.
// C'est celui de l'exécutable quand il les tient, share/kalvoro quand le programme est
// installé ; jamais le dossier courant. Lisible avant QApplication et depuis un autre fil.
QString DossierProgramme();

// Le chemin réel de l'exécutable en cours, liens résolus.
QString CheminExecutable();

// Le Scores.dat que le programme ouvre au démarrage : celui du dossier du programme, ou la
// copie propre au joueur quand le programme est installé (PreparerScoresDuProgramme la fait).
// Lisible avant QApplication et depuis un autre fil : l'ouverture, longue à cause de la
// dérivation de la clé, commence dès main.
QString CheminScores();

// "1.7" : majeure, point, mineure, sans zéros de tête.
QString NumeroVersion();

// "16/04/2000" et "13:47" en français, comme un poste français les écrit, quelle que soit la
// machine ; dans une autre langue, la date courte de ses usages avec l'année entière
// ("4/16/2000") et son heure courte ("1:47 PM"). Une date ou une heure invalide donne un texte
// vide.
QString FormaterDate(const QDate &date);
QString FormaterHeure(const QTime &heure);

// "16/04/2000 à 13:47" ("4/16/2000 at 1:47 PM").
QString FormaterDateProgramme(const QDateTime &moment);

// Le fichier d'aide du dossier (terminé par "/") : l'édition de la langue de l'interface
// (Kalvoro.en.hlp) quand elle y est, sinon Kalvoro.hlp.
QString FichierAide(const QString &dossier);

// Date de dernière modification de l'exécutable ; vide si elle ne peut être lue.
std::optional<QDateTime> DateExecutable();

} // namespace kalvoro
