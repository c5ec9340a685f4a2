#include "Emplacements.h"

#include "Programme.h"

#include <QCoreApplication>
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

// Le fichier livré et son journal, s'il en a un : le journal d'une inscription interrompue
// garde les pages d'avant elle, que le moteur remettra dans la copie.
struct Livraison {
    QByteArray base;
    QByteArray journal;
};

QString Journal(const QString &base)
{
    return base + QStringLiteral("-journal");
}

// Un fichier absent se lit vide ; faux s'il est là mais ne peut être lu.
bool LireSiPresent(const QString &chemin, QByteArray &contenu, QString &erreur)
{
    QFile fichier(chemin);
    contenu.clear();
    if (!fichier.exists())
        return true;
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur = fichier.errorString();
        return false;
    }
    contenu = fichier.readAll();
    return true;
}

// Le journal est lu avant et après le fichier : s'il n'a pas bougé, aucune inscription n'a
// changé le fichier entre les deux (un autre joueur peut écrire dans ce dossier).
QString LireLivraison(const QString &livre, Livraison &livraison)
{
    const QString nomLivre = QDir::toNativeSeparators(livre);
    for (int essai = 0; essai < 5; ++essai) {
        QByteArray journalApres;
        QString erreur;
        if (!LireSiPresent(Journal(livre), livraison.journal, erreur))
            return QCoreApplication::translate(
                       "Emplacements",
                       "Le fichier des scores livré « %1 » a un journal, laissé par "
                       "une inscription interrompue, qui ne peut pas être lu : %2. "
                       "Sans lui, la copie montrerait une inscription jamais achevée.")
                .arg(nomLivre, erreur);
        QFile base(livre);
        if (!base.open(QIODevice::ReadOnly))
            return QCoreApplication::translate(
                       "Emplacements",
                       "Le fichier des scores livré « %1 » ne peut pas être lu : %2")
                .arg(nomLivre, base.errorString());
        livraison.base = base.readAll();
        if (LireSiPresent(Journal(livre), journalApres, erreur) &&
            journalApres == livraison.journal)
            return {};
    }
    return QCoreApplication::translate(
               "Emplacements",
               "Le fichier des scores livré « %1 » change pendant sa copie : un autre "
               "programme y inscrit des scores. Réessayez dans un instant.")
        .arg(nomLivre);
}

// Écrit un fichier neuf (jamais par-dessus un autre), sur le disque et relu.
bool EcrireNeuf(const QString &chemin, const QByteArray &contenu)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool ecrit = EcrireSurDisque(fichier, contenu);
    fichier.close();
    if (ecrit && RelireIdentique(chemin, contenu))
        return true;
    QFile::remove(chemin);
    return false;
}

void SupprimerCopie(const QString &provisoire)
{
    QFile::remove(Journal(provisoire));
    QFile::remove(provisoire);
}

// Écrit la copie sous un nom provisoire unique, son journal à côté, et rend ce nom ; vide en cas
// d'échec.
QString EcrireCopieProvisoire(const QString &dossier, const Livraison &livraison)
{
    QTemporaryFile provisoire(dossier + NomScores + QStringLiteral(".copie-XXXXXX"));
    provisoire.setAutoRemove(false);
    if (!provisoire.open())
        return {};
    const QString chemin = provisoire.fileName();
    const bool ecrit = EcrireSurDisque(provisoire, livraison.base);
    provisoire.close();
    if (ecrit && RelireIdentique(chemin, livraison.base) &&
        (livraison.journal.isEmpty() || EcrireNeuf(Journal(chemin), livraison.journal)))
        return chemin;
    SupprimerCopie(chemin);
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

// Les dossiers portables dont les scores sont passés dans la copie du joueur, un par ligne,
// rangés à côté d'elle.
QString ListeReprises(const QString &donnees)
{
    return AvecBarre(donnees) + QStringLiteral("dossiers-repris.txt");
}

bool DejaRepris(const QString &donnees, const QString &dossier)
{
    QFile liste(ListeReprises(donnees));
    if (!QFileInfo::exists(AvecBarre(donnees) + NomScores) ||
        !liste.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    return QString::fromUtf8(liste.readAll()).split(QLatin1Char('\n')).contains(dossier);
}

// Sans cette note, le dossier servirait de nouveau tel quel le jour où le joueur pourrait y
// écrire, et ses scores d'ici là disparaîtraient de sa vue.
void NoterReprise(const Emplacements &emplacements)
{
    const QString donnees = QFileInfo(emplacements.scores).absolutePath();
    if (emplacements.dossierRepris.isEmpty() || DejaRepris(donnees, emplacements.dossierRepris))
        return;
    QFile liste(ListeReprises(donnees));
    if (liste.open(QIODevice::Append | QIODevice::Text))
        EcrireSurDisque(liste, emplacements.dossierRepris.toUtf8() + '\n');
}

// Si un autre exemplaire du programme a posé sa copie entre temps, c'est elle qui reste.
QString NommerCopie(const QString &provisoire, const QString &scores)
{
    if (RenommerSansEcraser(provisoire, scores))
        return {};
    SupprimerCopie(provisoire);
    if (QFileInfo::exists(scores))
        return {};
    return QCoreApplication::translate("Emplacements",
                                       "La copie de vos scores n'a pas pu être nommée « %1 ».")
        .arg(QDir::toNativeSeparators(scores));
}

QString CopierLivres(const Emplacements &emplacements, const ControleCopie &controler)
{
    Livraison livraison;
    if (const QString echec = LireLivraison(emplacements.scoresLivres, livraison); !echec.isEmpty())
        return echec;
    const QString dossier = QFileInfo(emplacements.scores).absolutePath() + QLatin1Char('/');
    const QString provisoire =
        CreerDossierPrive(dossier) ? EcrireCopieProvisoire(dossier, livraison) : QString();
    if (provisoire.isEmpty())
        return QCoreApplication::translate(
                   "Emplacements", "La copie de vos scores n'a pas pu être écrite dans le dossier "
                                   "« %1 » : le dossier ne peut être créé ou écrit (droits, disque "
                                   "plein).")
            .arg(QDir::toNativeSeparators(dossier));
    const QString refus = controler(provisoire);
    // Le moteur a remis les pages du journal dans la copie et l'a effacé ; s'il restait, il
    // n'aurait plus rien à faire.
    QFile::remove(Journal(provisoire));
    if (!refus.isEmpty()) {
        SupprimerCopie(provisoire);
        return QCoreApplication::translate(
                   "Emplacements", "La copie de vos scores, tirée de « %1 », est refusée : %2")
            .arg(QDir::toNativeSeparators(emplacements.scoresLivres), refus);
    }
    return NommerCopie(provisoire, emplacements.scores);
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

QString PreparerScoresJoueur(const Emplacements &emplacements, const ControleCopie &controler)
{
    if (emplacements.scoresLivres.isEmpty())
        return {};
    if (!QFileInfo::exists(emplacements.scores)) {
        if (const QString echec = CopierLivres(emplacements, controler); !echec.isEmpty())
            return echec;
    }
    NoterReprise(emplacements);
    return {};
}

const Emplacements &EmplacementsDuProgramme()
{
    // Une initialisation statique locale est sûre entre fils : le fil qui ouvre Scores.dat dès
    // main et la fenêtre lisent les mêmes emplacements.
    static const Emplacements emplacements = ResoudreEmplacements(
        {QFileInfo(CheminExecutable()).absolutePath(), QStringLiteral(KALVORO_PARTAGE_RELATIF),
         // Le dossier de données de l'application « Kalvoro », calculé sans QApplication, dont
         // le nom n'est pas encore connu quand ce code tourne.
         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Kalvoro"),
         [](const QString &dossier) { return QFileInfo(dossier).isWritable(); }});
    return emplacements;
}

} // namespace kalvoro
