#include "Sqlite.h"

#include <QFile>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

namespace {

ErreurSqlite ErreurDe(sqlite3 *base, int code)
{
    const char *texte = base ? sqlite3_errmsg(base) : sqlite3_errstr(code);
    return {code & 0xff, QString::fromUtf8(texte)};
}

void Verifier(sqlite3 *base, int code)
{
    if (code != SQLITE_OK)
        throw ErreurDe(base, code);
}

} // namespace

Instruction::Instruction(sqlite3 *ouverte, const QByteArray &sql) : base(ouverte)
{
    Verifier(base,
             sqlite3_prepare_v2(base, sql.constData(), int(sql.size()), &instruction, nullptr));
}

Instruction::~Instruction()
{
    sqlite3_finalize(instruction);
}

void Instruction::Lier(int position, const QString &texte)
{
    const QByteArray utf8 = texte.toUtf8();
    Verifier(base, sqlite3_bind_text(instruction, position, utf8.constData(), int(utf8.size()),
                                     SQLITE_TRANSIENT));
}

void Instruction::Lier(int position, qint64 nombre)
{
    Verifier(base, sqlite3_bind_int64(instruction, position, nombre));
}

bool Instruction::Avancer()
{
    const int code = sqlite3_step(instruction);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    throw ErreurDe(base, code);
}

QString Instruction::Texte(int colonne) const
{
    const auto *octets = reinterpret_cast<const char *>(sqlite3_column_text(instruction, colonne));
    return QString::fromUtf8(octets, sqlite3_column_bytes(instruction, colonne));
}

qint64 Instruction::Entier(int colonne) const
{
    return sqlite3_column_int64(instruction, colonne);
}

bool Instruction::EstEntier(int colonne) const
{
    return sqlite3_column_type(instruction, colonne) == SQLITE_INTEGER;
}

Connexion::Connexion(const QString &chemin, Ouverture ouverture)
{
    // Sans SQLITE_OPEN_CREATE, un fichier absent reste absent.
    const int creation = ouverture == Ouverture::Creation ? SQLITE_OPEN_CREATE : 0;
    const int code = sqlite3_open_v2(QFile::encodeName(chemin).constData(), &base,
                                     SQLITE_OPEN_READWRITE | creation, nullptr);
    if (code != SQLITE_OK) {
        const ErreurSqlite erreur = ErreurDe(base, code);
        sqlite3_close(base);
        throw erreur;
    }
    sqlite3_extended_result_codes(base, 0);
}

Connexion::~Connexion()
{
    sqlite3_close(base);
}

void Connexion::Cle(const QByteArray &cle)
{
    Verifier(base, sqlite3_key(base, cle.constData(), int(cle.size())));
    // Scores.dat garde le format de SQLCipher 3 (pages de 1024 octets, HMAC SHA1) : les
    // fichiers déjà là et les autres copies du programme en dépendent, et SQLCipher 3 ne lirait
    // pas un fichier passé au format 4. SQLCipher 3 ignore ce réglage sans rien dire.
    Executer("PRAGMA cipher_compatibility = 3");
    // SQLCipher 4 écrit sur stderr chaque page refusée ; le programme dit lui-même au joueur
    // ce qui ne va pas. Réglage inconnu, donc ignoré, de SQLCipher 3.
    Executer("PRAGMA cipher_log_level = NONE");
}

void Connexion::DelaiOccupation(int millisecondes)
{
    Verifier(base, sqlite3_busy_timeout(base, millisecondes));
}

void Connexion::Executer(const char *sql)
{
    Verifier(base, sqlite3_exec(base, sql, nullptr, nullptr, nullptr));
}

QString Connexion::Valeur(const QByteArray &sql)
{
    Instruction instruction(base, sql);
    return instruction.Avancer() ? instruction.Texte(0) : QString();
}

bool Connexion::LectureSeule() const
{
    return sqlite3_db_readonly(base, "main") == 1;
}

bool Connexion::DansTransaction() const
{
    return sqlite3_get_autocommit(base) == 0;
}

Transaction::Transaction(Connexion &ouverte, const char *debut) : connexion(ouverte)
{
    connexion.Executer(debut);
}

Transaction::~Transaction()
{
    // Le moteur a pu annuler lui-même la transaction (disque plein, E/S) : rien à refaire alors.
    if (!validee && connexion.DansTransaction())
        sqlite3_exec(connexion.Base(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Valider()
{
    connexion.Executer("COMMIT");
    validee = true;
}

} // namespace kalvoro
