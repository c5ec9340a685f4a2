#pragma once
#include <QByteArray>

struct sqlite3;

namespace kalvoro {

// La clé de Scores.dat pour une connexion déjà ouverte sur le fichier : le mot de passe dérivé
// ici, avec le sel lu dans l'en-tête du fichier, et donné au moteur comme clé brute (x'…').
// Le résultat est celui que SQLCipher 3 obtiendrait lui-même (PBKDF2-HMAC-SHA1, 64 000 tours,
// 32 octets) : les fichiers restent les mêmes ; mais sa dérivation passe par l'interface
// générique d'OpenSSL, trois fois plus lente, et c'est le plus long du démarrage. Si le sel
// ne peut être lu, rend le mot de passe tel quel : le moteur dira ce qui ne va pas.
QByteArray CleDeScores(sqlite3 *base, const QByteArray &motDePasse);

} // namespace kalvoro
