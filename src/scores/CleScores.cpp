#include "CleScores.h"

#include <nettle/pbkdf2.h>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

namespace {

// Les réglages de SQLCipher 3 avec lesquels Scores.dat est chiffré.
constexpr int TailleSel = 16;
constexpr unsigned ToursDerivation = 64000;
constexpr int TailleCle = 32;

// Le sel : les 16 premiers octets du fichier, lus par le moteur lui-même, sans autre
// descripteur ouvert sur le fichier.
QByteArray SelDe(sqlite3 *base)
{
    sqlite3_file *fichier = nullptr;
    if (sqlite3_file_control(base, "main", SQLITE_FCNTL_FILE_POINTER, &fichier) != SQLITE_OK ||
        !fichier || !fichier->pMethods)
        return {};
    QByteArray sel(TailleSel, '\0');
    if (fichier->pMethods->xRead(fichier, sel.data(), TailleSel, 0) != SQLITE_OK)
        return {};
    return sel;
}

} // namespace

QByteArray CleDeScores(sqlite3 *base, const QByteArray &motDePasse)
{
    const QByteArray sel = SelDe(base);
    if (sel.isEmpty())
        return motDePasse;
    // Nettle garde les états HMAC préparés d'un tour à l'autre ; la dérivation générique
    // d'OpenSSL 3 les refait à chaque tour, trois fois plus lentement.
    QByteArray cle(TailleCle, '\0');
    pbkdf2_hmac_sha1(size_t(motDePasse.size()),
                     reinterpret_cast<const uint8_t *>(motDePasse.data()), ToursDerivation,
                     size_t(sel.size()), reinterpret_cast<const uint8_t *>(sel.data()),
                     size_t(cle.size()), reinterpret_cast<uint8_t *>(cle.data()));
    return "x'" + cle.toHex() + "'";
}

} // namespace kalvoro
