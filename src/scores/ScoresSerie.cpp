#include "ScoresSerie.h"

#include "Descripteur.h"
#include "MagasinSqlcipher.h"
#include "ModeleScores.h"
#include "MotDePasse.h"
#include "Sqlite.h"
#include "VerificationsScores.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace kalvoro {

namespace {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class ScoresSerie {
    Q_DECLARE_TR_FUNCTIONS(ScoresSerie)
};

// Toutes les tables du modèle, vides, dans une seule transaction.
QByteArray Schema(const ModeleScores &modele)
{
    QByteArray schema("BEGIN; ");
    for (const QString &table : modele.Tables)
        schema += CreationTable(table) + ' ';
    return schema + "COMMIT;";
}

void Supprimer(const QString &provisoire)
{
    QFile::remove(provisoire);
    QFile::remove(provisoire + QStringLiteral("-journal"));
}

// Écrit les tables vides et rend le contrôle d'intégrité du fichier ("ok" s'il est bon). Le mot de
// passe est donné tel quel, comme PRAGMA key au shell sqlcipher : le moteur tire un sel neuf
// et en dérive la clé lui-même, au format de SQLCipher 3 que règle Cle().
QString Ecrire(const QString &provisoire, const ModeleScores &modele)
{
    Connexion connexion(provisoire, Connexion::Ouverture::Creation);
    connexion.Cle(QByteArrayLiteral(KALVORO_MOT_DE_PASSE));
    connexion.Executer(Schema(modele).constData());
    return connexion.Valeur("PRAGMA integrity_check");
}

// Donne au fichier son nom sans jamais écraser un fichier déjà là : un lien dur refuse une
// destination prise. La synchronisation du dossier rend le nouveau nom durable ; le fichier,
// lui, est déjà complet sur le disque, le moteur l'ayant synchronisé à la validation.
bool Poser(const QString &provisoire, const QString &chemin)
{
    // Les scores du joueur ne regardent que lui, comme son dossier.
    QFile::setPermissions(provisoire, QFile::ReadOwner | QFile::WriteOwner);
    if (::link(QFile::encodeName(provisoire).constData(), QFile::encodeName(chemin).constData()))
        return false;
    QFile::remove(provisoire);
    SynchroniserDossier(QFileInfo(chemin).absolutePath());
    return true;
}

// Le moteur dirait seulement « unable to open » d'un dossier absent.
void VerifierPlace(const QString &chemin)
{
    const QFileInfo fichier(chemin);
    if (fichier.exists())
        throw ErreurScores(
            ScoresSerie::tr("Le fichier des scores « %1 » existe déjà : il est laissé tel quel.")
                .arg(chemin));
    if (!QFileInfo(fichier.absolutePath()).isDir())
        throw ErreurScores(ScoresSerie::tr("Le fichier des scores « %1 » n'a pu être créé : le "
                                           "dossier « %2 » n'existe pas.")
                               .arg(chemin, fichier.absolutePath()));
}

} // namespace

// Écrit sous un nom provisoire, contrôlé, puis renommé : un échec ne laisse rien, ni fichier à
// moitié écrit sous le vrai nom ni fichier provisoire.
void CreerFichierScores(const QString &chemin, const ModeleScores &modele)
{
    VerifierPlace(chemin);
    const QString provisoire = chemin + QStringLiteral(".creation");
    Supprimer(provisoire); // le reste d'une création interrompue
    try {
        const QString controle = Ecrire(provisoire, modele);
        if (controle != QLatin1String("ok"))
            throw ErreurScores(
                ScoresSerie::tr("Le fichier des scores « %1 » écrit ne passe pas le contrôle (%2).")
                    .arg(chemin, controle));
        if (!Poser(provisoire, chemin)) {
            const int cause = errno;
            throw ErreurScores(
                ScoresSerie::tr("Le fichier des scores « %1 » n'a pu être posé : %2.")
                    .arg(chemin, QString::fromLocal8Bit(std::strerror(cause))));
        }
    } catch (const ErreurSqlite &erreur) {
        Supprimer(provisoire);
        throw ErreurCreation(chemin, erreur);
    } catch (const ErreurScores &) {
        Supprimer(provisoire);
        throw;
    }
}

void CreerScoresSerie(const QString &chemin)
{
    CreerFichierScores(chemin, ModeleSerieJoueur());
}

std::unique_ptr<MagasinScores> OuvrirScoresSerie(const QString &chemin)
{
    return std::make_unique<MagasinSqlcipher>(chemin, ModeleSerieJoueur());
}

} // namespace kalvoro
