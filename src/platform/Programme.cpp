#include "Programme.h"

#include "Emplacements.h"
#include "Langue.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class Programme {
    Q_DECLARE_TR_FUNCTIONS(Programme)
};

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
    // En français, un format fixe plutôt que celui du système : le texte ne dépend pas de la
    // machine. Une autre langue suit la date courte de ses propres usages.
    const Langue &langue = LangueChoisie();
    if (!date.isValid())
        return {};
    if (langue.Francais())
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    // L'année entière : dans « 12/8/26 », le siècle se devine et le jour se confond avec l'année.
    QString format = langue.Usages.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return langue.Usages.toString(date, format);
}

QString FormaterHeure(const QTime &heure)
{
    const Langue &langue = LangueChoisie();
    if (!heure.isValid())
        return {};
    return langue.Francais() ? heure.toString(QStringLiteral("HH:mm"))
                             : langue.Usages.toString(heure, QLocale::ShortFormat);
}

QString FormaterDateProgramme(const QDateTime &moment)
{
    return Programme::tr("%1 à %2").arg(FormaterDate(moment.date()), FormaterHeure(moment.time()));
}

QString FichierAide(const QString &dossier)
{
    // Un dossier sans l'édition de la langue du joueur garde l'aide d'origine, en français.
    const Langue &langue = LangueChoisie();
    const QString traduite = dossier + QStringLiteral("Kalvoro.%1.hlp").arg(langue.Code);
    if (!langue.Francais() && QFileInfo::exists(traduite))
        return traduite;
    return dossier + QStringLiteral("Kalvoro.hlp");
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
