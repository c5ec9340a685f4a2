#include "Programme.h"

#include "Emplacements.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvoro {

QString CheminExecutable()
{
    // QCoreApplication ne répond qu'une fois construite ; /proc répond dès la première ligne.
    const QString reel = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!reel.isEmpty())
        return reel;
    return QCoreApplication::applicationFilePath();
}

QString DossierProgramme()
{
    return EmplacementsDuProgramme().dossierFichiers;
}

QString CheminScores()
{
    return EmplacementsDuProgramme().scores;
}

QString NumeroVersion()
{
    return QString::number(fiche::VersionMajeure) + QLatin1Char('.') +
           QString::number(fiche::VersionMineure);
}

QString FormaterDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString FormaterHeure(const QTime &heure)
{
    return heure.toString(QStringLiteral("HH:mm"));
}

QString FormaterDateProgramme(const QDateTime &moment)
{
    // Format fixe plutôt que celui de la langue du système : le texte ne dépend pas de la machine.
    return FormaterDate(moment.date()) + QStringLiteral(" à ") + FormaterHeure(moment.time());
}

std::optional<QDateTime> DateExecutable()
{
    const QFileInfo executable(CheminExecutable());
    const QDateTime date = executable.lastModified();
    if (!executable.exists() || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace kalvoro
