#include "CleScores.h"

// Les fonctions SHA-1 de bas niveau, dépréciées par OpenSSL 3 au profit d'EVP : c'est le
// détour par EVP à chaque tour (copie de contexte, allocation, effacement) qui coûte.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <algorithm>
#include <openssl/crypto.h>
#include <openssl/sha.h>
#include <sqlcipher/sqlite3.h>

namespace kalvoro {

namespace {

// Les réglages de SQLCipher 3 avec lesquels Scores.dat est chiffré.
constexpr int TailleSel = 16;
constexpr int ToursDerivation = 64000;
constexpr int TailleCle = 32;

// HMAC-SHA1 dont les blocs intérieur et extérieur sont hachés une fois pour toutes : chaque
// tour ne coûte plus que deux compressions.
class HmacSha1 {
public:
    explicit HmacSha1(const QByteArray &cle)
    {
        unsigned char bloc[SHA_CBLOCK] = {};
        if (cle.size() > SHA_CBLOCK)
            SHA1(reinterpret_cast<const unsigned char *>(cle.constData()), size_t(cle.size()),
                 bloc);
        else
            std::copy(cle.begin(), cle.end(), bloc);
        Preparer(interieur, bloc, 0x36);
        Preparer(exterieur, bloc, 0x5c);
        OPENSSL_cleanse(bloc, sizeof bloc);
    }
    ~HmacSha1()
    {
        OPENSSL_cleanse(&interieur, sizeof interieur);
        OPENSSL_cleanse(&exterieur, sizeof exterieur);
    }

    void Calculer(const unsigned char *texte, size_t taille, const unsigned char *suite,
                  size_t tailleSuite, unsigned char empreinte[SHA_DIGEST_LENGTH]) const
    {
        SHA_CTX contexte = interieur;
        SHA1_Update(&contexte, texte, taille);
        SHA1_Update(&contexte, suite, tailleSuite);
        SHA1_Final(empreinte, &contexte);
        contexte = exterieur;
        SHA1_Update(&contexte, empreinte, SHA_DIGEST_LENGTH);
        SHA1_Final(empreinte, &contexte);
        OPENSSL_cleanse(&contexte, sizeof contexte);
    }

private:
    static void Preparer(SHA_CTX &contexte, const unsigned char *cle, unsigned char masque)
    {
        unsigned char bloc[SHA_CBLOCK];
        for (int i = 0; i < SHA_CBLOCK; ++i)
            bloc[i] = cle[i] ^ masque;
        SHA1_Init(&contexte);
        SHA1_Update(&contexte, bloc, SHA_CBLOCK);
        OPENSSL_cleanse(bloc, sizeof bloc);
    }

    SHA_CTX interieur, exterieur;
};

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

QByteArray Pbkdf2Sha1(const QByteArray &motDePasse, const QByteArray &sel, int tours, int longueur)
{
    const HmacSha1 hmac(motDePasse);
    const auto *octetsSel = reinterpret_cast<const unsigned char *>(sel.constData());
    QByteArray cle;
    for (quint32 numero = 1; cle.size() < longueur; ++numero) {
        const unsigned char grosBout[4] = {
            static_cast<unsigned char>(numero >> 24), static_cast<unsigned char>(numero >> 16),
            static_cast<unsigned char>(numero >> 8), static_cast<unsigned char>(numero)};
        unsigned char u[SHA_DIGEST_LENGTH], bloc[SHA_DIGEST_LENGTH];
        hmac.Calculer(octetsSel, size_t(sel.size()), grosBout, sizeof grosBout, u);
        std::copy(u, u + SHA_DIGEST_LENGTH, bloc);
        for (int tour = 1; tour < tours; ++tour) {
            hmac.Calculer(u, SHA_DIGEST_LENGTH, nullptr, 0, u);
            for (int i = 0; i < SHA_DIGEST_LENGTH; ++i)
                bloc[i] ^= u[i];
        }
        cle.append(reinterpret_cast<const char *>(bloc), SHA_DIGEST_LENGTH);
        OPENSSL_cleanse(u, sizeof u);
        OPENSSL_cleanse(bloc, sizeof bloc);
    }
    cle.truncate(longueur);
    return cle;
}

QByteArray CleDeScores(sqlite3 *base, const QByteArray &motDePasse)
{
    const QByteArray sel = SelDe(base);
    if (sel.isEmpty())
        return motDePasse;
    return "x'" + Pbkdf2Sha1(motDePasse, sel, ToursDerivation, TailleCle).toHex() + "'";
}

} // namespace kalvoro
