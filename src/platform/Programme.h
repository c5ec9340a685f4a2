#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace kalvoro {

// Le dossier de l'exécutable, terminé par "/" : Scores.dat, l'aide et les documents y sont.
// Jamais le dossier courant.
QString DossierProgramme();

// "1.7" : majeure, point, mineure, sans zéros de tête.
QString NumeroVersion();

// "16/04/2000 à 13:47", quelle que soit la langue de la machine.
QString FormaterDateProgramme(const QDateTime &moment);

// Date de dernière modification de l'exécutable ; vide si elle ne peut être lue.
std::optional<QDateTime> DateExecutable();

} // namespace kalvoro
