#include "Programme.h"

#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvoro {

QString DossierProgramme()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString NumeroVersion()
{
    return QString::number(fiche::VersionMajeure) + QLatin1Char('.') +
           QString::number(fiche::VersionMineure);
}

QString FormaterDateProgramme(const QDateTime &moment)
{
    // Format fixe plutôt que celui de la langue du système : le texte ne dépend pas de la machine.
    return moment.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ") +
           moment.toString(QStringLiteral("HH:mm"));
}

std::optional<QDateTime> DateExecutable()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QDateTime date = executable.lastModified();
    if (!executable.exists() || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace kalvoro
