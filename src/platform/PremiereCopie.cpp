#include "PremiereCopie.h"
#include "Emplacements.h"

#include "CopiesProvisoires.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kalvoro {

namespace {

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

// Seul un fichier ordinaire se lit : un tube ou un périphérique à ce nom bloquerait le
// démarrage pour toujours.
bool OuvrirOrdinaire(QFile &fichier, QString &erreur)
{
    if (!QFileInfo(fichier.fileName()).isFile())
        erreur = Emplacements::tr("ce n'est pas un fichier ordinaire");
    else if (!fichier.open(QIODevice::ReadOnly))
        erreur = fichier.errorString();
    return fichier.isOpen();
}

// Un fichier absent se lit vide ; faux s'il est là mais ne peut être lu.
bool LireSiPresent(const QString &chemin, QByteArray &contenu, QString &erreur)
{
    QFile fichier(chemin);
    contenu.clear();
    if (!fichier.exists() && !QFileInfo(chemin).isSymLink())
        return true;
    if (!OuvrirOrdinaire(fichier, erreur))
        return false;
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
            return Emplacements::tr("Le fichier des scores livré « %1 » a un journal, laissé par "
                                    "une inscription interrompue, qui ne peut pas être lu : %2. "
                                    "Sans lui, la copie montrerait une inscription jamais achevée.")
                .arg(nomLivre, erreur);
        QFile base(livre);
        if (!OuvrirOrdinaire(base, erreur))
            return Emplacements::tr("Le fichier des scores livré « %1 » ne peut pas être lu : %2")
                .arg(nomLivre, erreur);
        livraison.base = base.readAll();
        if (LireSiPresent(Journal(livre), journalApres, erreur) &&
            journalApres == livraison.journal)
            return {};
    }
    return Emplacements::tr("Le fichier des scores livré « %1 » change pendant sa copie : un autre "
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
// d'échec. Le verrou la garde des autres lancements jusqu'à ce qu'elle soit nommée.
QString EcrireCopieProvisoire(const QString &dossier, const Livraison &livraison,
                              std::optional<VerrouCopie> &verrou)
{
    QTemporaryFile provisoire(GabaritCopie(dossier));
    provisoire.setAutoRemove(false);
    if (!provisoire.open())
        return {};
    verrou.emplace(provisoire.handle());
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

// Un journal sans son fichier, laissé par une inscription tuée dont la copie a été effacée
// depuis, ne complète plus rien : appliqué à la copie suivante, il y écrirait des pages d'un
// autre fichier. Il est mis de côté sous un nom que le moteur ne lit pas.
QString MettreDeCoteJournalOrphelin(const QString &scores, QString &avis)
{
    const QString journal = Journal(scores);
    if (!QFileInfo::exists(journal) && !QFileInfo(journal).isSymLink())
        return {};
    const QString horodatage =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ecarte = journal + QStringLiteral(".orphelin-") + horodatage;
    for (int n = 2; QFileInfo::exists(ecarte) || QFileInfo(ecarte).isSymLink(); ++n)
        ecarte = journal + QStringLiteral(".orphelin-%1-%2").arg(horodatage).arg(n);
    if (!QFile::rename(journal, ecarte))
        return Emplacements::tr(
                   "Le journal « %1 », resté sans le fichier des scores qu'il complétait, ne peut "
                   "pas être mis de côté : la copie de vos scores ne peut donc être faite.")
            .arg(QDir::toNativeSeparators(journal));
    avis = Emplacements::tr(
               "Le journal « %1 » était resté sans le fichier des scores qu'il complétait : il "
               "a été mis de côté sous le nom « %2 », et vos scores repartent du fichier livré.")
               .arg(QDir::toNativeSeparators(journal), QDir::toNativeSeparators(ecarte));
    return {};
}

// Si un autre exemplaire du programme a posé sa copie entre temps, c'est elle qui reste.
QString NommerCopie(const QString &provisoire, const QString &scores)
{
    if (RenommerSansEcraser(provisoire, scores))
        return {};
    SupprimerCopie(provisoire);
    if (QFileInfo::exists(scores))
        return {};
    return Emplacements::tr("La copie de vos scores n'a pas pu être nommée « %1 ».")
        .arg(QDir::toNativeSeparators(scores));
}

} // namespace

QString CopierLivres(const Emplacements &emplacements, const ControleCopie &controler,
                     QString &avis)
{
    Livraison livraison;
    if (const QString echec = LireLivraison(emplacements.scoresLivres, livraison); !echec.isEmpty())
        return echec;
    const QString dossier = QFileInfo(emplacements.scores).absolutePath() + QLatin1Char('/');
    std::optional<VerrouCopie> verrou;
    const QString provisoire =
        CreerDossierPrive(dossier) ? EcrireCopieProvisoire(dossier, livraison, verrou) : QString();
    if (provisoire.isEmpty())
        return Emplacements::tr("La copie de vos scores n'a pas pu être écrite dans le dossier "
                                "« %1 » : le dossier ne peut être créé ou écrit (droits, disque "
                                "plein).")
            .arg(QDir::toNativeSeparators(dossier));
    // Le refus nomme le fichier livré, que le joueur trouvera, pas la copie qui va disparaître.
    const QString refus =
        QString(controler(provisoire))
            .replace(provisoire, QDir::toNativeSeparators(emplacements.scoresLivres));
    // Le moteur a remis les pages du journal dans la copie et l'a effacé ; s'il restait, il
    // n'aurait plus rien à faire.
    QFile::remove(Journal(provisoire));
    if (!refus.isEmpty()) {
        SupprimerCopie(provisoire);
        return Emplacements::tr("La copie de vos scores, tirée de « %1 », est refusée : %2")
            .arg(QDir::toNativeSeparators(emplacements.scoresLivres), refus);
    }
    if (const QString echec = MettreDeCoteJournalOrphelin(emplacements.scores, avis);
        !echec.isEmpty()) {
        SupprimerCopie(provisoire);
        return echec;
    }
    return NommerCopie(provisoire, emplacements.scores);
}

} // namespace kalvoro
