#include "Emplacements.h"

#include "Programme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

// Le contenu écrit est-il bien sur le disque avant le renommage ? Sans cela, une coupure
// pourrait laisser un Scores.dat vide à la place de la copie.
bool EcrireSurDisque(QFile &fichier, const QByteArray &contenu)
{
    if (fichier.write(contenu) != contenu.size() || !fichier.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(fichier.handle()) == 0;
#else
    return true;
#endif
}

bool RelireIdentique(const QString &chemin, const QByteArray &attendu)
{
    QFile relu(chemin);
    return relu.open(QIODevice::ReadOnly) && relu.readAll() == attendu;
}

// Écrit la copie sous un nom provisoire unique et rend ce nom ; vide en cas d'échec.
QString EcrireCopieProvisoire(const QString &dossier, const QByteArray &contenu)
{
    QTemporaryFile provisoire(dossier + NomScores + QStringLiteral(".copie-XXXXXX"));
    provisoire.setAutoRemove(false);
    if (!provisoire.open())
        return {};
    const QString chemin = provisoire.fileName();
    const bool ecrit = EcrireSurDisque(provisoire, contenu);
    provisoire.close();
    if (ecrit && RelireIdentique(chemin, contenu))
        return chemin;
    QFile::remove(chemin);
    return {};
}

// Pose la copie sous son nom sans jamais écraser un fichier déjà là. QFile::rename, s'il échoue,
// recopie le contenu par-dessus la destination : un lien dur, lui, refuse une destination prise.
bool RenommerSansEcraser(const QString &de, const QString &vers)
{
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(de).constData(), QFile::encodeName(vers).constData()) != 0)
        return false;
    QFile::remove(de);
    return true;
#else
    return QFile::rename(de, vers);
#endif
}

// Les dossiers créés pour le joueur, parents compris, ne sont ouverts qu'à lui : ses scores
// ne regardent personne d'autre (règle XDG des dossiers de données).
bool CreerDossierPrive(const QString &chemin)
{
    const QFileInfo dossier(QDir::cleanPath(chemin));
    if (dossier.isDir() || dossier.isRoot())
        return dossier.isDir();
    const QFile::Permissions prive = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Un autre lancement a pu le créer entre-temps : il suffit qu'il soit là.
    return CreerDossierPrive(dossier.absolutePath()) &&
           (QDir().mkdir(dossier.absoluteFilePath(), prive) ||
            QFileInfo(dossier.absoluteFilePath()).isDir());
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
    if (!installe && environnement.ecrivable(executable)) {
        emplacements.scores = executable + NomScores;
    } else {
        emplacements.scores = AvecBarre(environnement.dossierDonnees) + NomScores;
        emplacements.scoresLivres = emplacements.dossierFichiers + NomScores;
    }
    return emplacements;
}

QString PreparerScoresJoueur(const Emplacements &emplacements)
{
    if (emplacements.scoresLivres.isEmpty() || QFileInfo::exists(emplacements.scores))
        return {};
    const QString dossier = QFileInfo(emplacements.scores).absolutePath() + QLatin1Char('/');
    QFile livre(emplacements.scoresLivres);
    if (!livre.open(QIODevice::ReadOnly))
        return QStringLiteral("Le fichier des scores livré « %1 » ne peut pas être lu : %2")
            .arg(QDir::toNativeSeparators(livre.fileName()), livre.errorString());
    const QByteArray contenu = livre.readAll();
    const QString provisoire =
        CreerDossierPrive(dossier) ? EcrireCopieProvisoire(dossier, contenu) : QString();
    if (provisoire.isEmpty())
        return QStringLiteral("La copie de vos scores n'a pas pu être écrite dans le dossier "
                              "« %1 » : le dossier ne peut être créé ou écrit (droits, disque "
                              "plein).")
            .arg(QDir::toNativeSeparators(dossier));
    // Si un autre exemplaire du programme a posé sa copie entre temps, c'est elle qui reste.
    if (RenommerSansEcraser(provisoire, emplacements.scores))
        return {};
    QFile::remove(provisoire);
    if (QFileInfo::exists(emplacements.scores))
        return {};
    return QStringLiteral("La copie de vos scores n'a pas pu être nommée « %1 ».")
        .arg(QDir::toNativeSeparators(emplacements.scores));
}

const Emplacements &EmplacementsDuProgramme()
{
    // Une initialisation statique locale est sûre entre fils : le fil qui ouvre Scores.dat dès
    // main et la fenêtre attendent la même copie, faite une seule fois.
    static const Emplacements emplacements = [] {
        const Environnement environnement{
            QFileInfo(CheminExecutable()).absolutePath(), QStringLiteral(KALVORO_PARTAGE_RELATIF),
            // Le dossier de données de l'application « Kalvoro », calculé sans
            // QApplication, dont le nom n'est pas encore connu quand ce code tourne.
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/Kalvoro"),
            [](const QString &dossier) { return QFileInfo(dossier).isWritable(); }};
        Emplacements resolus = ResoudreEmplacements(environnement);
        // Dit au joueur au moment d'ouvrir ses scores, plutôt qu'un simple « introuvable ».
        resolus.echecPreparation = PreparerScoresJoueur(resolus);
        return resolus;
    }();
    return emplacements;
}

} // namespace kalvoro
