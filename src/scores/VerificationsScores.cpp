#include "VerificationsScores.h"

#include "Caracteres.h"
#include "MagasinSqlcipher.h"
#include "Series.h"
#include "Sqlite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class VerificationsScores {
    Q_DECLARE_TR_FUNCTIONS(VerificationsScores)
};

// Le nom de table entre guillemets ; seules les six séries en ont une. Aucun autre texte
// n'entre jamais dans une requête.
QByteArray NomTable(const QString &palmares)
{
    const Serie *trouvee = SerieNommee(palmares);
    if (!trouvee)
        throw ErreurScores(
            VerificationsScores::tr("« %1 » n'est le nom d'aucune des six séries : il n'y a "
                                    "pas de table de scores à ce nom.")
                .arg(palmares));
    return '"' + trouvee->Nom.toUtf8() + '"';
}

ErreurScores PasUneSerieJoueur(const QString &palmares)
{
    return ErreurScores(
        VerificationsScores::tr("« %1 » ne désigne aucune série du joueur : il n'y a pas de "
                                "table de scores à ce nom.")
            .arg(palmares));
}

namespace {

// Un fichier que tient un autre programme se libère : l'appelant peut proposer de réessayer.
ErreurScores::Nature NatureDe(const ErreurSqlite &erreur)
{
    return erreur.Code == SQLITE_BUSY || erreur.Code == SQLITE_LOCKED ? ErreurScores::Nature::Occupe
                                                                      : ErreurScores::Nature::Autre;
}

// Ce que dit le moteur, en français, quelle que soit l'opération.
QString Cause(const ErreurSqlite &erreur)
{
    switch (erreur.Code) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return VerificationsScores::tr("mot de passe refusé ou fichier endommagé");
    case SQLITE_READONLY:
        return VerificationsScores::tr("le fichier est en lecture seule");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return VerificationsScores::tr("le fichier est utilisé par un autre programme");
    case SQLITE_FULL:
        return VerificationsScores::tr("le disque est plein");
    case SQLITE_PERM:
        return VerificationsScores::tr("accès refusé");
    case SQLITE_IOERR:
        return VerificationsScores::tr("erreur de lecture ou d'écriture sur le disque (%1)")
            .arg(erreur.Texte);
    default:
        return VerificationsScores::tr("erreur de la base de données (%1)").arg(erreur.Texte);
    }
}

} // namespace

// Un seul arg() à plusieurs arguments : un « %1 » dans un nom reste du texte.
void VerifierEntree(const QString &nom, const QString &prenom, const QDate &date)
{
    const QString refus = VerificationsScores::tr(" : le score n'est pas inscrit.");
    if (!TientDans(nom, LongueurNom))
        throw ErreurScores(VerificationsScores::tr("Le nom « %1 » a plus de %2 caractères%3")
                               .arg(nom, QString::number(LongueurNom), refus));
    if (!TientDans(prenom, LongueurPrenom))
        throw ErreurScores(VerificationsScores::tr("Le prénom « %1 » a plus de %2 caractères%3")
                               .arg(prenom, QString::number(LongueurPrenom), refus));
    if (!date.isValid())
        throw ErreurScores(VerificationsScores::tr("La date de l'inscription n'est pas valide") +
                           refus);
}

ErreurScores ErreurOuverture(const QString &chemin, const ErreurSqlite &erreur)
{
    return ErreurScores(
        VerificationsScores::tr("Le fichier des scores « %1 » ne peut être ouvert : %2.")
            .arg(chemin, Cause(erreur)),
        NatureDe(erreur));
}

ErreurScores ErreurCreation(const QString &chemin, const ErreurSqlite &erreur)
{
    return ErreurScores(
        VerificationsScores::tr("Le fichier des scores « %1 » n'a pu être créé : %2.")
            .arg(chemin, Cause(erreur)),
        NatureDe(erreur));
}

ErreurScores ErreurLecture(const QString &chemin, const QString &palmares,
                           const ErreurSqlite &erreur)
{
    return ErreurScores(
        VerificationsScores::tr("Les scores de la série « %1 » ne peuvent être lus dans "
                                "« %2 » : %3.")
            .arg(palmares, chemin, Cause(erreur)),
        NatureDe(erreur));
}

namespace {

// Sans droit d'écrire dans le dossier, le moteur ne peut y créer le journal de la transaction.
// Il le dit "unable to open" (SQLite 3.15), ou "readonly" (SQLite 3.46) alors que le fichier,
// lui, est inscriptible.
bool DossierFerme(const QString &chemin, const ErreurSqlite &erreur)
{
    if (erreur.Code == SQLITE_CANTOPEN)
        return true;
    const QFileInfo fichier(chemin);
    return erreur.Code == SQLITE_READONLY && fichier.isWritable() &&
           !QFileInfo(fichier.absolutePath()).isWritable();
}

} // namespace

ErreurScores ErreurEcriture(const QString &chemin, const QString &palmares,
                            const ErreurSqlite &erreur)
{
    const QString cause =
        DossierFerme(chemin, erreur)
            ? VerificationsScores::tr("le dossier « %1 » n'est pas inscriptible, le journal de la "
                                      "transaction ne peut y être créé")
                  .arg(QFileInfo(chemin).absolutePath())
            : Cause(erreur);
    return ErreurScores(
        VerificationsScores::tr("Le score n'a pas pu être inscrit dans la série « %1 » de "
                                "« %2 » : %3. Aucune ligne n'a été modifiée.")
            .arg(palmares, chemin, cause),
        NatureDe(erreur));
}

ErreurScores TableVide(const QString &chemin, const QString &palmares)
{
    return ErreurScores(
        VerificationsScores::tr("La table « %1 » du fichier des scores « %2 » est vide.")
            .arg(palmares, chemin));
}

ErreurScores PasUneBase(const QString &chemin, const QString &palmares, const QString &defaut)
{
    return ErreurScores(
        VerificationsScores::tr("Le fichier des scores « %1 » n'est pas une base de "
                                "scores : la table « %2 » %3.")
            .arg(chemin, palmares, defaut));
}

ErreurScores ObjetEtranger(const QString &chemin, const QString &nom)
{
    return ErreurScores(
        VerificationsScores::tr("Le fichier des scores « %1 » n'est pas une base de "
                                "scores : il contient « %2 », qui n'en fait pas partie "
                                "(seules les tables des six séries y ont leur place).")
            .arg(chemin, nom));
}

ErreurScores ObjetEtrangerSerieJoueur(const QString &chemin, const QString &nom)
{
    return ErreurScores(
        VerificationsScores::tr("Le fichier des scores « %1 » n'est pas celui d'une série : il "
                                "contient « %2 », qui n'en fait pas partie (seules les tables "
                                "des scores de la série, une par taille de plateau, y ont leur "
                                "place).")
            .arg(chemin, nom));
}

ErreurScores ScoreNonEntier(const QString &chemin, const QString &palmares)
{
    return ErreurScores(
        VerificationsScores::tr("La table « %1 » du fichier des scores « %2 » contient "
                                "un SCORE qui n'est pas un nombre entier : le fichier "
                                "est endommagé.")
            .arg(palmares, chemin));
}

} // namespace kalvoro
