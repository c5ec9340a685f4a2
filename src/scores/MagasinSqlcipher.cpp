#include "MagasinSqlcipher.h"

#include "Caracteres.h"
#include "CleScores.h"
#include "MotDePasse.h"
#include "Sqlite.h"
#include "VerificationsScores.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <climits>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

namespace {

// Le mot de passe du fichier, donné comme clé au chiffrement.
const QByteArray MotDePasse = QByteArrayLiteral(KALVORO_MOT_DE_PASSE);

// Un autre exemplaire du programme qui inscrit tient le fichier quelques millisecondes : on
// l'attend. Un autre programme qui le garde plus longtemps n'est pas attendu davantage, la
// fenêtre resterait figée : l'erreur « occupé » laisse le joueur réessayer quand il veut.
constexpr int DelaiOccupationMs = 500;

// Seules les dix meilleures lignes comptent, celles que montre la visionneuse : dans une table
// qui en aurait plus, un score doit battre la dixième pour entrer, sinon il serait inscrit
// sans jamais paraître.
constexpr int LignesClassees = 10;

// NOM, PRENOM, SCORE et DATE d'une ligne, en ?1 à ?4.
void LierLigne(Instruction &instruction, const LigneScore &ligne)
{
    instruction.Lier(1, ligne.NOM);
    instruction.Lier(2, ligne.PRENOM);
    instruction.Lier(3, qint64(ligne.SCORE));
    instruction.Lier(4, ligne.DATE.toString(Qt::ISODate));
}

} // namespace

MagasinSqlcipher::MagasinSqlcipher(const QString &cheminFichier, const ModeleScores &modeleFichier)
    : chemin(cheminFichier), modele(modeleFichier)
{
    const QFileInfo fichier(chemin);
    const auto refus = [this](const char *texte) {
        return ErreurScores(MagasinSqlcipher::tr(texte).arg(chemin));
    };
    if (!fichier.exists())
        throw refus(
            QT_TRANSLATE_NOOP("MagasinSqlcipher", "Le fichier des scores « %1 » est introuvable."));
    if (!fichier.isFile())
        throw refus(QT_TRANSLATE_NOOP("MagasinSqlcipher",
                                      "Le fichier des scores « %1 » n'est pas un fichier."));
    // Le moteur prendrait un fichier vide pour une base neuve : il ne faut jamais le remplir.
    if (fichier.size() == 0)
        throw refus(QT_TRANSLATE_NOOP("MagasinSqlcipher",
                                      "Le fichier des scores « %1 » est vide (0 "
                                      "octet) : ce n'est pas une base de scores."));
    bool avantTailles = false;
    try {
        Ouvrir();
        VerifierSchema();
        avantTailles = FaitAvantTailles();
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(chemin, erreur);
    }
    for (const QString &nom : avantTailles ? modele.TablesAvantTailles : modele.Tables)
        VerifierTable(nom);
    if (avantTailles)
        AjouterTablesDesTailles();
}

MagasinSqlcipher::~MagasinSqlcipher() = default;

void MagasinSqlcipher::Ouvrir()
{
    connexion = std::make_unique<Connexion>(chemin);
    connexion->Cle(CleDeScores(connexion->Base(), MotDePasse));
    connexion->DelaiOccupation(DelaiOccupationMs);
    // Le moteur accepte n'importe quelle clé : c'est la première lecture qui la refuse, comme
    // elle refuserait une première page abîmée.
    connexion->Valeur("SELECT count(*) FROM sqlite_master");
    // Journal d'annulation et écriture synchrone : une coupure ne laisse jamais le fichier à
    // moitié écrit. EXTRA synchronise aussi le dossier après l'effacement du journal : sans
    // cela, une coupure de courant à cet instant ferait revenir le journal, qui annulerait la
    // dernière inscription.
    if (connexion->Valeur("PRAGMA journal_mode") != QLatin1String("delete"))
        connexion->Valeur("PRAGMA journal_mode = DELETE");
    connexion->Executer("PRAGMA synchronous = EXTRA");
}

void MagasinSqlcipher::VerifierTable(const QString &nomTable)
{
    const QByteArray table = '"' + nomTable.toUtf8() + '"'; // un nom du modèle, jamais du joueur
    try {
        if (!ATable(nomTable))
            throw PasUneBase(chemin, nomTable, MagasinSqlcipher::tr("manque"));
        if (!ALesChamps(table))
            throw PasUneBase(chemin, nomTable,
                             MagasinSqlcipher::tr("n'a pas les champs NOM, PRENOM, DATE et SCORE"));
        if (!modele.SeRemplit && !LireDerniere(table, nomTable))
            throw TableVide(chemin, nomTable);
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(chemin, erreur);
    }
}

// Un fichier d'avant les tailles de plateau : ses tables d'alors, et aucune des nouvelles. Un
// fichier qui n'a qu'une partie des nouvelles n'est ni l'ancienne forme ni la nouvelle :
// VerifierTable dira celle qui manque.
bool MagasinSqlcipher::FaitAvantTailles()
{
    if (modele.TablesAvantTailles.isEmpty())
        return false;
    for (const QString &nom : modele.Tables)
        if (ATable(nom) != modele.TablesAvantTailles.contains(nom))
            return false;
    return true;
}

bool MagasinSqlcipher::ATable(const QString &nom)
{
    Instruction existe(connexion->Base(), "SELECT count(*) FROM sqlite_master "
                                          "WHERE type = 'table' AND name = ?1");
    existe.Lier(1, nom);
    return existe.Avancer() && existe.Entier(0) > 0;
}

// Les tables des autres tailles, vides, toutes dans une seule transaction : le fichier a l'une
// ou l'autre forme, jamais une moitié. Un autre Kalvoro a pu les ajouter entre-temps : la
// création laisse alors une table déjà là telle quelle. Un fichier en lecture seule garde sa
// forme, et ses scores au plateau classique se lisent encore.
void MagasinSqlcipher::AjouterTablesDesTailles()
{
    if (connexion->LectureSeule())
        return;
    try {
        Transaction transaction(*connexion, "BEGIN IMMEDIATE");
        for (const QString &nom : modele.Tables)
            if (!modele.TablesAvantTailles.contains(nom))
                connexion->Executer(CreationTable(nom).constData());
        transaction.Valider();
    } catch (const ErreurSqlite &erreur) {
        throw ErreurOuverture(chemin, erreur);
    }
}

// Les tables du modèle et rien d'autre : un déclencheur ou une vue glissés dans le fichier
// s'exécuteraient à chaque inscription (vider une autre table, par exemple), et une autre table
// n'a rien à y faire. Les index, qui n'exécutent rien, sont laissés.
void MagasinSqlcipher::VerifierSchema()
{
    Instruction objets(connexion->Base(),
                       "SELECT type, name FROM sqlite_master WHERE type IN ('view', 'trigger') "
                       "OR (type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\')");
    while (objets.Avancer()) {
        if (objets.Texte(0) != QLatin1String("table") || !modele.Tables.contains(objets.Texte(1)))
            throw modele.Etranger(chemin, objets.Texte(1));
    }
}

// Le moteur refuse de préparer une requête qui nomme un champ absent.
bool MagasinSqlcipher::ALesChamps(const QByteArray &table)
{
    try {
        Instruction champs(connexion->Base(), "SELECT NOM, PRENOM, DATE, SCORE FROM " + table);
        return true;
    } catch (const ErreurSqlite &) {
        return false;
    }
}

QString MagasinSqlcipher::LireMeilleurScore(const QString &palmares)
{
    const QByteArray table = modele.Table(palmares);
    try {
        Instruction premiere(connexion->Base(),
                             "SELECT SCORE FROM " + table + " ORDER BY SCORE, rowid LIMIT 1");
        if (!premiere.Avancer())
            return QString();
        return QString::number(ScoreDe(premiere, 0, palmares));
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(chemin, palmares, erreur);
    }
}

int MagasinSqlcipher::LirePlusMauvaisScore(const QString &palmares)
{
    const QByteArray table = modele.Table(palmares);
    std::optional<int> seuil;
    try {
        // Tant que la table a de la place, tout score y entre.
        if (PlaceLibre(table))
            return INT_MAX;
        seuil = LireSeuil(table, palmares);
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(chemin, palmares, erreur);
    }
    if (!seuil)
        throw TableVide(chemin, palmares);
    return *seuil;
}

Classement MagasinSqlcipher::RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                                  const QString &prenom, int score,
                                                  const QDate &date)
{
    const QByteArray table = modele.Table(palmares);
    VerifierEntree(nom, prenom, date);
    try {
        return Inscrire(table, palmares, {FormeEcrite(nom), FormeEcrite(prenom), date, score});
    } catch (const ErreurSqlite &erreur) {
        throw ErreurEcriture(chemin, palmares, erreur);
    }
}

QList<LigneScore> MagasinSqlcipher::ListerScores(const QString &palmares)
{
    const QByteArray table = modele.Table(palmares);
    QList<LigneScore> classement;
    try {
        Instruction lignes(connexion->Base(), "SELECT NOM, PRENOM, DATE, SCORE FROM " + table +
                                                  " ORDER BY SCORE, rowid");
        while (lignes.Avancer())
            classement.append({lignes.Texte(0), lignes.Texte(1),
                               QDate::fromString(lignes.Texte(2), Qt::ISODate),
                               ScoreDe(lignes, 3, palmares)});
    } catch (const ErreurSqlite &erreur) {
        throw ErreurLecture(chemin, palmares, erreur);
    }
    return classement;
}

// La dernière ligne du classement. À égalité de SCORE, le rowid départage, dans le même sens
// que ListerScores : la ligne écrasée est toujours celle que la liste montre en dernier.
std::optional<MagasinSqlcipher::Derniere> MagasinSqlcipher::LireDerniere(const QByteArray &table,
                                                                         const QString &palmares)
{
    Instruction derniere(connexion->Base(), "SELECT rowid, SCORE FROM " + table +
                                                " ORDER BY SCORE DESC, rowid DESC LIMIT 1");
    if (!derniere.Avancer())
        return std::nullopt;
    return Derniere{derniere.Entier(0), ScoreDe(derniere, 1, palmares)};
}

// Le plus mauvais des dix meilleurs scores : celui qu'un score doit battre pour entrer.
std::optional<int> MagasinSqlcipher::LireSeuil(const QByteArray &table, const QString &palmares)
{
    Instruction dixieme(connexion->Base(),
                        "SELECT SCORE FROM " + table + " ORDER BY SCORE, rowid LIMIT 1 OFFSET " +
                            "(SELECT min(count(*), " + QByteArray::number(LignesClassees) +
                            ") - 1 FROM " + table + ")");
    if (!dixieme.Avancer())
        return std::nullopt;
    return ScoreDe(dixieme, 0, palmares);
}

// Une table qui se remplit et n'a pas encore ses dix lignes : un score y entre sans rien écraser.
bool MagasinSqlcipher::PlaceLibre(const QByteArray &table)
{
    if (!modele.SeRemplit)
        return false;
    Instruction lignes(connexion->Base(), "SELECT count(*) FROM " + table);
    return lignes.Avancer() && lignes.Entier(0) < LignesClassees;
}

// Comparer et écrire dans une seule transaction réservée d'emblée en écriture : un autre
// exemplaire du programme ne peut glisser son inscription entre les deux.
Classement MagasinSqlcipher::Inscrire(const QByteArray &table, const QString &palmares,
                                      const LigneScore &ligne)
{
    // Un fichier en lecture seule se compare encore : seul un score qui entre échoue.
    const bool lectureSeule = connexion->LectureSeule();
    Transaction transaction(*connexion, lectureSeule ? "BEGIN" : "BEGIN IMMEDIATE");
    const bool placeLibre = PlaceLibre(table);
    std::optional<Derniere> derniere;
    if (!placeLibre) {
        derniere = LireDerniere(table, palmares);
        if (const std::optional<Classement> refus =
                Comparer(table, palmares, ligne.SCORE, derniere))
            return *refus;
    }
    if (lectureSeule)
        throw ErreurSqlite{SQLITE_READONLY, QString()};
    if (placeLibre)
        Ajouter(table, ligne);
    else
        Ecraser(table, derniere->Rowid, ligne);
    transaction.Valider();
    return Classement::Inscrit;
}

// Égal ou plus mauvais que le dernier classé : le score n'entre pas. Rien si le score entre.
std::optional<Classement> MagasinSqlcipher::Comparer(const QByteArray &table,
                                                     const QString &palmares, int score,
                                                     const std::optional<Derniere> &derniere)
{
    const std::optional<int> seuil = LireSeuil(table, palmares);
    if (!seuil || !derniere)
        throw TableVide(chemin, palmares);
    if (score == *seuil)
        return Classement::Egal;
    if (score > *seuil)
        return Classement::PlusMauvais;
    return std::nullopt;
}

void MagasinSqlcipher::Ecraser(const QByteArray &table, qint64 rowid, const LigneScore &ligne)
{
    Instruction ecriture(connexion->Base(),
                         "UPDATE " + table +
                             " SET NOM = ?1, PRENOM = ?2, SCORE = ?3, DATE = ?4 WHERE rowid = ?5");
    LierLigne(ecriture, ligne);
    ecriture.Lier(5, rowid);
    ecriture.Avancer();
}

void MagasinSqlcipher::Ajouter(const QByteArray &table, const LigneScore &ligne)
{
    Instruction ajout(connexion->Base(), "INSERT INTO " + table +
                                             " (NOM, PRENOM, SCORE, DATE) VALUES (?1, ?2, ?3, ?4)");
    LierLigne(ajout, ligne);
    ajout.Avancer();
}

int MagasinSqlcipher::ScoreDe(const Instruction &ligne, int colonne, const QString &palmares) const
{
    const qint64 score = ligne.Entier(colonne);
    if (!ligne.EstEntier(colonne) || score < INT_MIN || score > INT_MAX)
        throw ScoreNonEntier(chemin, palmares);
    return int(score);
}

} // namespace kalvoro
