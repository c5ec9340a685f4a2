#include "CleScores.h"

#include "Descripteur.h"

#include <future>
#include <mutex>
#include <nettle/pbkdf2.h>
#include <optional>
#include <sqlcipher/sqlite3.h>
#include <system_error>
#include <unistd.h>

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

// Le sel lu par un simple descripteur, hors de toute connexion : seulement un fichier ordinaire,
// sans attendre (un tube ne bloque rien).
QByteArray SelDuFichier(const QString &fichier)
{
    const Descripteur fichierSel(fichier, O_RDONLY | O_NONBLOCK);
    QByteArray sel(TailleSel, '\0');
    const bool lu =
        fichierSel.Ordinaire() && ::pread(fichierSel.fd, sel.data(), TailleSel, 0) == TailleSel;
    return lu ? sel : QByteArray();
}

QByteArray Deriver(const QByteArray &sel, const QByteArray &motDePasse)
{
    // Nettle garde les états HMAC préparés d'un tour à l'autre ; la dérivation générique
    // d'OpenSSL 3 les refait à chaque tour, trois fois plus lentement.
    QByteArray cle(TailleCle, '\0');
    pbkdf2_hmac_sha1(size_t(motDePasse.size()),
                     reinterpret_cast<const uint8_t *>(motDePasse.data()), ToursDerivation,
                     size_t(sel.size()), reinterpret_cast<const uint8_t *>(sel.data()),
                     size_t(cle.size()), reinterpret_cast<uint8_t *>(cle.data()));
    return "x'" + cle.toHex() + "'";
}

// La dernière dérivation, faite ou en cours : la première copie des scores et l'ouverture
// demandent la même clé plusieurs fois.
struct Derivation {
    QByteArray sel;
    QByteArray motDePasse;
    std::shared_future<QByteArray> cle;
};

std::mutex verrouDerivation;
std::optional<Derivation> derniere;

std::optional<std::shared_future<QByteArray>> Reprise(const QByteArray &sel,
                                                      const QByteArray &motDePasse)
{
    const std::lock_guard<std::mutex> garde(verrouDerivation);
    if (derniere && derniere->sel == sel && derniere->motDePasse == motDePasse)
        return derniere->cle;
    return std::nullopt;
}

void Retenir(const QByteArray &sel, const QByteArray &motDePasse,
             std::shared_future<QByteArray> cle)
{
    const std::lock_guard<std::mutex> garde(verrouDerivation);
    derniere = Derivation{sel, motDePasse, std::move(cle)};
}

} // namespace

QByteArray CleDeScores(sqlite3 *base, const QByteArray &motDePasse)
{
    const QByteArray sel = SelDe(base);
    if (sel.isEmpty())
        return motDePasse;
    if (const auto reprise = Reprise(sel, motDePasse))
        return reprise->get();
    std::promise<QByteArray> faite;
    const QByteArray cle = Deriver(sel, motDePasse);
    faite.set_value(cle);
    Retenir(sel, motDePasse, faite.get_future().share());
    return cle;
}

void AnticiperCle(const QString &fichier, const QByteArray &motDePasse)
{
    const QByteArray sel = SelDuFichier(fichier);
    if (sel.isEmpty())
        return;
    try {
        Retenir(sel, motDePasse, std::async(std::launch::async, &Deriver, sel, motDePasse).share());
    } catch (const std::system_error &) {
        // Aucun fil disponible : la clé sera dérivée à l'ouverture, comme sans anticipation.
    }
}

} // namespace kalvoro
