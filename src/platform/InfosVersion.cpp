#include "InfosVersion.h"

#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvoro {

InfosVersion InfosVersion::DuProgramme(const QString &cheminExecutable)
{
    InfosVersion infos;
    infos.NomProduit = QString::fromUtf8(fiche::NomProduit);
    infos.VersionMajeure = fiche::VersionMajeure;
    infos.VersionMineure = fiche::VersionMineure;
    infos.Commentaires = InfosVersion::tr(fiche::Commentaires);
    infos.Copyright = InfosVersion::tr(fiche::Copyright);
    infos.Organisation = QString::fromUtf8(fiche::Organisation);
    infos.MarquesLegales = InfosVersion::tr(fiche::MarquesLegales);
    // Le fichier tel qu'il est, extension comprise s'il en a une : un joueur qui a renommé sa
    // copie la reconnaît à son nouveau nom.
    infos.NomExecutable = QFileInfo(cheminExecutable).fileName();
    return infos;
}

} // namespace kalvoro
