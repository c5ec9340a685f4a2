#include "Emplacements.h"

#include "CopiesProvisoires.h"
#include "ListeReprises.h"
#include "PremiereCopie.h"
#include "Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kalvoro {

namespace {

const QString NomScores = QStringLiteral("Scores.dat");
const QString NomAide = QStringLiteral("Kalvoro.hlp");

bool TientSesFichiers(const QString &dossier)
{
    return QFileInfo::exists(dossier + NomScores) || QFileInfo::exists(dossier + NomAide);
}

QString AvecBarre(const QString &dossier)
{
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
}

// Les dossiers portables dont les scores sont passés dans la copie du joueur, rangés à côté
// d'elle.
QString ListeDesReprises(const QString &donnees)
{
    return AvecBarre(donnees) + QStringLiteral("dossiers-repris.txt");
}

bool DejaRepris(const QString &donnees, const QString &dossier)
{
    return QFileInfo::exists(AvecBarre(donnees) + NomScores) &&
           ListeContient(ListeDesReprises(donnees), dossier);
}

// Sans cette note, le dossier servirait de nouveau tel quel le jour où le joueur pourrait y
// écrire, et ses scores d'ici là disparaîtraient de sa vue : un échec le lui dit.
QString NoterReprise(const Emplacements &emplacements)
{
    const QString donnees = QFileInfo(emplacements.scores).absolutePath();
    if (emplacements.dossierRepris.isEmpty() || DejaRepris(donnees, emplacements.dossierRepris))
        return {};
    const QString liste = ListeDesReprises(donnees);
    const QString echec = AjouterALaListe(liste, emplacements.dossierRepris);
    if (echec.isEmpty())
        return {};
    return Emplacements::tr(
               "Vos scores du dossier « %1 » sont dans « %2 », mais la note « %3 » qui s'en "
               "souvient n'a pas pu être écrite : %4. Le jour où vous pourrez écrire dans ce "
               "dossier, Kalvoro y reprendrait son propre Scores.dat : corrigez la note d'ici là.")
        .arg(QDir::toNativeSeparators(emplacements.dossierRepris),
             QDir::toNativeSeparators(emplacements.scores), QDir::toNativeSeparators(liste), echec);
}

// Un lien vers des scores hors d'atteinte (un disque débranché) : la copie ne le remplace pas.
QString LienCasse(const QFileInfo &scores)
{
    return Emplacements::tr("Le fichier des scores « %1 » est un lien vers « %2 », qui "
                            "n'existe pas : vos scores ne peuvent pas être ouverts.")
        .arg(QDir::toNativeSeparators(scores.filePath()),
             QDir::toNativeSeparators(scores.symLinkTarget()));
}

void AjouterAvis(QString &avis, const QString &autre)
{
    if (!autre.isEmpty())
        avis += (avis.isEmpty() ? QString() : QStringLiteral("\n\n")) + autre;
}

} // namespace

Emplacements ResoudreEmplacements(const Environnement &environnement)
{
    const QString executable = AvecBarre(environnement.dossierExecutable);
    const QString partage =
        AvecBarre(QDir::cleanPath(executable + AvecBarre(environnement.partageRelatif)));
    const bool installe = !TientSesFichiers(executable) && QFileInfo(partage).isDir();
    Emplacements emplacements;
    emplacements.dossierFichiers = installe ? partage : executable;
    if (!installe && environnement.ecrivable(executable) &&
        !DejaRepris(environnement.dossierDonnees, executable)) {
        emplacements.scores = executable + NomScores;
        return emplacements;
    }
    emplacements.scores = AvecBarre(environnement.dossierDonnees) + NomScores;
    emplacements.scoresLivres = emplacements.dossierFichiers + NomScores;
    if (!installe)
        emplacements.dossierRepris = executable;
    return emplacements;
}

PreparationScores PreparerScoresJoueur(const Emplacements &emplacements,
                                       const ControleCopie &controler)
{
    if (emplacements.scoresLivres.isEmpty())
        return {};
    const QFileInfo scores(emplacements.scores);
    RetirerCopiesAbandonnees(scores.absolutePath());
    PreparationScores preparation;
    if (scores.isSymLink() && !scores.exists())
        preparation.echec = LienCasse(scores);
    else if (!scores.exists())
        preparation.echec = CopierLivres(emplacements, controler, preparation.avis);
    if (preparation.echec.isEmpty())
        AjouterAvis(preparation.avis, NoterReprise(emplacements));
    return preparation;
}

QString DossierDonneesJoueur()
{
    // Les règles XDG ignorent un XDG_DATA_HOME relatif, que Qt 6.4 prend tel quel : la copie
    // du joueur dépendrait alors du dossier courant.
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QDir::isRelativePath(donnees))
        return QDir::homePath() + QStringLiteral("/.local/share");
    return donnees;
}

const Emplacements &EmplacementsDuProgramme()
{
    // Une initialisation statique locale est sûre entre fils : le fil qui ouvre Scores.dat dès
    // main et la fenêtre lisent les mêmes emplacements.
    static const Emplacements emplacements = ResoudreEmplacements(
        {QFileInfo(CheminExecutable()).absolutePath(), QStringLiteral(KALVORO_PARTAGE_RELATIF),
         // Le dossier de données de l'application « Kalvoro », calculé sans QApplication, dont
         // le nom n'est pas encore connu quand ce code tourne.
         DossierDonneesJoueur() + QStringLiteral("/Kalvoro"),
         [](const QString &dossier) { return QFileInfo(dossier).isWritable(); }});
    return emplacements;
}

} // namespace kalvoro
