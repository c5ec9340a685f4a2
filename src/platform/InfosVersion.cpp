#include "InfosVersion.h"

#include "Version.h"

namespace kalvoro {

InfosVersion InfosVersion::DuProgramme()
{
    InfosVersion infos;
    infos.NomProduit = QString::fromUtf8(fiche::NomProduit);
    infos.VersionMajeure = fiche::VersionMajeure;
    infos.VersionMineure = fiche::VersionMineure;
    infos.Commentaires = QString::fromUtf8(fiche::Commentaires);
    infos.Copyright = QString::fromUtf8(fiche::Copyright);
    infos.Organisation = QString::fromUtf8(fiche::Organisation);
    infos.MarquesLegales = QString::fromUtf8(fiche::MarquesLegales);
    infos.NomExecutable = QString::fromUtf8(fiche::NomExecutable);
#ifdef Q_OS_WIN
    // Seul Windows donne une extension aux exécutables.
    infos.NomExecutable += QStringLiteral(".exe");
#endif
    return infos;
}

} // namespace kalvoro
