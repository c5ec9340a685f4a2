#pragma once
#include <QByteArray>
#include <QString>

// Types de la bibliothèque C, déclarés ici pour que l'en-tête de SQLCipher reste dans
// kalvoro_scores (il n'a de sens qu'avec SQLITE_HAS_CODEC).
struct sqlite3;
struct sqlite3_stmt;

namespace kalvoro {

// Échec rendu par le moteur : son code primaire (SQLITE_BUSY, SQLITE_NOTADB, ...) et son texte.
// Interne au magasin, qui le traduit en ErreurScores avec le fichier et la cause en français.
struct ErreurSqlite {
    int Code;
    QString Texte;
};

// Une instruction préparée. Ses valeurs sont toujours liées, jamais collées dans le texte.
class Instruction {
public:
    Instruction(sqlite3 *ouverte, const QByteArray &sql);
    ~Instruction();
    Instruction(const Instruction &) = delete;
    Instruction &operator=(const Instruction &) = delete;

    void Lier(int position, const QString &texte);
    void Lier(int position, qint64 nombre);

    // Passe à la ligne suivante : vrai s'il y en a une, faux à la fin.
    bool Avancer();

    QString Texte(int colonne) const;
    qint64 Entier(int colonne) const;
    bool EstEntier(int colonne) const;

private:
    sqlite3 *base;
    sqlite3_stmt *instruction = nullptr;
};

// Une connexion à un fichier en lecture et écriture. Elle ne le crée que si on le lui demande :
// seulement pour écrire un nouveau fichier sous un nom provisoire.
class Connexion {
public:
    enum class Ouverture { Existant, Creation };
    explicit Connexion(const QString &chemin, Ouverture ouverture = Ouverture::Existant);
    ~Connexion();
    Connexion(const Connexion &) = delete;
    Connexion &operator=(const Connexion &) = delete;

    // Donne la clé du chiffrement, au format de SQLCipher 3. Le moteur ne la vérifie qu'à la
    // première lecture.
    void Cle(const QByteArray &cle);
    void DelaiOccupation(int millisecondes);
    void Executer(const char *sql);
    // Première colonne de la première ligne, en texte ("" s'il n'y a pas de ligne).
    QString Valeur(const QByteArray &sql);
    // Vrai quand le système n'a laissé ouvrir le fichier qu'en lecture.
    bool LectureSeule() const;
    bool DansTransaction() const;
    sqlite3 *Base() const { return base; }

private:
    sqlite3 *base = nullptr;
};

// Transaction qui s'annule d'elle-même si Valider n'a pas été atteint : une écriture qui
// échoue ne laisse rien.
class Transaction {
public:
    Transaction(Connexion &ouverte, const char *debut);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void Valider();

private:
    Connexion &connexion;
    bool validee = false;
};

} // namespace kalvoro
