#include "BaseScores.h"

#include "Series.h"
#include "Sqlite.h"

#include <QFileInfo>
#include <climits>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

namespace {

// Le mot de passe du fichier, donné comme clé au chiffrement.
const QByteArray MotDePasse = QByteArrayLiteral("qzm472");

// Un autre exemplaire du programme peut être en train d'inscrire : on l'attend jusque-là.
constexpr int DelaiOccupationMs = 5000;

// Le nom de table entre guillemets ; seules les six séries en ont une. Aucun autre texte
// n'entre jamais dans une requête.
QByteArray NomTable(const QString &serie)
{
    const Serie *trouvee = SerieNommee(serie);
    if (!trouvee)
        throw ErreurScores(QStringLiteral("« %1 » n'est le nom d'aucune des six séries : il n'y a "
                                          "pas de table de scores à ce nom.")
                               .arg(serie));
    return '"' + trouvee->Nom.toUtf8() + '"';
}

int NombreDeCaracteres(const QString &texte)
{
    return int(texte.toUcs4().size());
}

void VerifierEntree(const QString &nom, const QString &prenom, const QDate &date)
{
    const QString refus = QStringLiteral(" : le score n'est pas inscrit.");
    if (NombreDeCaracteres(nom) > BaseScores::LongueurNom)
        throw ErreurScores(QStringLiteral("Le nom « %1 » a plus de %2 caractères")
                               .arg(nom)
                               .arg(BaseScores::LongueurNom) +
                           refus);
    if (NombreDeCaracteres(prenom) > BaseScores::LongueurPrenom)
        throw ErreurScores(QStringLiteral("Le prénom « %1 » a plus de %2 caractères")
                               .arg(prenom)
                               .arg(BaseScores::LongueurPrenom) +
                           refus);
    if (!date.isValid())
        throw ErreurScores(QStringLiteral("La date de l'inscription n'est pas valide") + refus);
}

// Ce que dit le moteur, en français, quelle que soit l'opération.
QString Cause(const ErreurSqlite &erreur)
{
    switch (erreur.Code) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("mot de passe refusé ou fichier endommagé");
    case SQLITE_READONLY:
        return QStringLiteral("le fichier est en lecture seule");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("le fichier est occupé par un autre programme");
    case SQLITE_FULL:
        return QStringLiteral("le disque est plein");
    case SQLITE_PERM:
        return QStringLiteral("accès refusé");
    case SQLITE_IOERR:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque (%1)").arg(erreur.Texte);
    default:
        return QStringLiteral("erreur de la base de données (%1)").arg(erreur.Texte);
    }
}

} // namespace

BaseScores::BaseScores(const QString &cheminFichier) : chemin(cheminFichier)
{
    const QFileInfo fichier(chemin);
    const QString debut = QStringLiteral("Le fichier des scores « %1 »").arg(chemin);
    if (!fichier.exists())
        throw ErreurScores(debut + QStringLiteral(" est introuvable."));
    if (!fichier.isFile())
        throw ErreurScores(debut + QStringLiteral(" n'est pas un fichier."));
    // Le moteur prendrait un fichier vide pour une base neuve : il ne faut jamais le remplir.
    if (fichier.size() == 0)
        throw ErreurScores(debut + QStringLiteral(" est vide (0 octet) : ce n'est pas une base "
                                                  "de scores."));
    try {
        Ouvrir();
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(erreur);
    }
    for (const Serie &serie : Series())
        VerifierTable(serie.Nom);
}

BaseScores::~BaseScores() = default;

void BaseScores::Ouvrir()
{
    connexion = std::make_unique<Connexion>(chemin);
    connexion->Cle(MotDePasse);
    connexion->DelaiOccupation(DelaiOccupationMs);
    // Le moteur accepte n'importe quelle clé : c'est la première lecture qui la refuse, comme
    // elle refuserait une première page abîmée.
    connexion->Valeur("SELECT count(*) FROM sqlite_master");
    // Journal d'annulation et écriture synchrone : une coupure ne laisse jamais le fichier à
    // moitié écrit.
    if (connexion->Valeur("PRAGMA journal_mode") != QLatin1String("delete"))
        connexion->Valeur("PRAGMA journal_mode = DELETE");
    connexion->Executer("PRAGMA synchronous = FULL");
}

void BaseScores::VerifierTable(const QString &serie)
{
    const QString refus =
        QStringLiteral("Le fichier des scores « %1 » n'est pas une base de scores : la table "
                       "« %2 » ")
            .arg(chemin, serie);
    try {
        Instruction existe(connexion->Base(), "SELECT count(*) FROM sqlite_master "
                                              "WHERE type = 'table' AND name = ?1");
        existe.Lier(1, serie);
        if (!existe.Avancer() || existe.Entier(0) == 0)
            throw ErreurScores(refus + QStringLiteral("manque."));
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(erreur);
    }
    std::unique_ptr<Instruction> lignes;
    try {
        lignes = std::make_unique<Instruction>(
            connexion->Base(), "SELECT NOM, PRENOM, DATE, SCORE FROM " + NomTable(serie) + " LIMIT 1");
    } catch (const ErreurSqlite &) {
        throw ErreurScores(refus + QStringLiteral("n'a pas les champs NOM, PRENOM, DATE et SCORE."));
    }
    try {
        if (!lignes->Avancer())
            throw TableVide(serie);
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(erreur);
    }
}

QString BaseScores::LireMeilleurScore(const QString &serie)
{
    const QByteArray table = NomTable(serie);
    try {
        Instruction premiere(connexion->Base(),
                             "SELECT SCORE FROM " + table + " ORDER BY SCORE, rowid LIMIT 1");
        if (!premiere.Avancer())
            return QString();
        return QString::number(ScoreDe(premiere, 0, serie));
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(serie, erreur);
    }
}

int BaseScores::LirePlusMauvaisScore(const QString &serie)
{
    const QByteArray table = NomTable(serie);
    std::optional<Derniere> derniere;
    try {
        derniere = LireDerniere(table, serie);
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(serie, erreur);
    }
    if (!derniere)
        throw TableVide(serie);
    return derniere->Score;
}

Classement BaseScores::RemplacerPlusMauvais(const QString &serie, const QString &nom,
                                            const QString &prenom, int score, const QDate &date)
{
    const QByteArray table = NomTable(serie);
    VerifierEntree(nom, prenom, date);
    try {
        return Inscrire(table, serie, {nom, prenom, date, score});
    } catch (const ErreurSqlite &erreur) {
        throw ErreurEcriture(serie, erreur);
    }
}

QList<LigneScore> BaseScores::ListerScores(const QString &serie)
{
    const QByteArray table = NomTable(serie);
    QList<LigneScore> classement;
    try {
        Instruction lignes(connexion->Base(), "SELECT NOM, PRENOM, DATE, SCORE FROM " + table +
                                                  " ORDER BY SCORE, rowid");
        while (lignes.Avancer())
            classement.append({lignes.Texte(0), lignes.Texte(1),
                               QDate::fromString(lignes.Texte(2), Qt::ISODate),
                               ScoreDe(lignes, 3, serie)});
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(serie, erreur);
    }
    return classement;
}

// La dernière ligne du classement. À égalité de SCORE, le rowid départage, dans le même sens
// que ListerScores : la ligne écrasée est toujours celle que la liste montre en dernier.
std::optional<BaseScores::Derniere> BaseScores::LireDerniere(const QByteArray &table,
                                                             const QString &serie)
{
    Instruction derniere(connexion->Base(), "SELECT rowid, SCORE FROM " + table +
                                                " ORDER BY SCORE DESC, rowid DESC LIMIT 1");
    if (!derniere.Avancer())
        return std::nullopt;
    return Derniere{derniere.Entier(0), ScoreDe(derniere, 1, serie)};
}

// Comparer et écraser dans une seule transaction réservée d'emblée en écriture : un autre
// exemplaire du programme ne peut glisser son inscription entre les deux.
Classement BaseScores::Inscrire(const QByteArray &table, const QString &serie,
                                const LigneScore &ligne)
{
    // Un fichier en lecture seule se compare encore : seul un score qui entre échoue.
    const bool lectureSeule = connexion->LectureSeule();
    Transaction transaction(*connexion, lectureSeule ? "BEGIN" : "BEGIN IMMEDIATE");
    const std::optional<Derniere> derniere = LireDerniere(table, serie);
    if (!derniere)
        throw TableVide(serie);
    if (ligne.SCORE == derniere->Score)
        return Classement::Egal;
    if (ligne.SCORE > derniere->Score)
        return Classement::PlusMauvais;
    if (lectureSeule)
        throw ErreurSqlite{SQLITE_READONLY, QString()};
    Ecraser(table, derniere->Rowid, ligne);
    transaction.Valider();
    return Classement::Inscrit;
}

void BaseScores::Ecraser(const QByteArray &table, qint64 rowid, const LigneScore &ligne)
{
    Instruction ecriture(connexion->Base(),
                         "UPDATE " + table +
                             " SET NOM = ?1, PRENOM = ?2, SCORE = ?3, DATE = ?4 WHERE rowid = ?5");
    ecriture.Lier(1, ligne.NOM);
    ecriture.Lier(2, ligne.PRENOM);
    ecriture.Lier(3, qint64(ligne.SCORE));
    ecriture.Lier(4, ligne.DATE.toString(Qt::ISODate));
    ecriture.Lier(5, rowid);
    ecriture.Avancer();
}

int BaseScores::ScoreDe(const Instruction &ligne, int colonne, const QString &serie) const
{
    const qint64 score = ligne.Entier(colonne);
    if (!ligne.EstEntier(colonne) || score < INT_MIN || score > INT_MAX)
        throw ErreurScores(QStringLiteral("La table « %1 » du fichier des scores « %2 » contient "
                                          "un SCORE qui n'est pas un nombre entier : le fichier "
                                          "est endommagé.")
                               .arg(serie, chemin));
    return int(score);
}

ErreurScores BaseScores::ErreurOuverture(const ErreurSqlite &erreur) const
{
    return ErreurScores(QStringLiteral("Le fichier des scores « %1 » ne peut être ouvert : %2.")
                            .arg(chemin, Cause(erreur)));
}

ErreurScores BaseScores::ErreurLecture(const QString &serie, const ErreurSqlite &erreur) const
{
    return ErreurScores(QStringLiteral("Les scores de la série « %1 » ne peuvent être lus dans "
                                       "« %2 » : %3.")
                            .arg(serie, chemin, Cause(erreur)));
}

// Sans droit d'écrire dans le dossier, le moteur ne peut y créer le journal de la transaction.
ErreurScores BaseScores::ErreurEcriture(const QString &serie, const ErreurSqlite &erreur) const
{
    const QString cause =
        erreur.Code == SQLITE_CANTOPEN
            ? QStringLiteral("le dossier « %1 » n'est pas inscriptible, le journal de la "
                             "transaction ne peut y être créé")
                  .arg(QFileInfo(chemin).absolutePath())
            : Cause(erreur);
    return ErreurScores(QStringLiteral("Le score n'a pas pu être inscrit dans la série « %1 » de "
                                       "« %2 » : %3. Aucune ligne n'a été modifiée.")
                            .arg(serie, chemin, cause));
}

ErreurScores BaseScores::TableVide(const QString &serie) const
{
    return ErreurScores(QStringLiteral("La table « %1 » du fichier des scores « %2 » est vide.")
                            .arg(serie, chemin));
}

} // namespace kalvoro
