#pragma once
#include <QByteArray>
#include <QString>

struct sqlite3;

namespace kalvoro {

// La clé de Scores.dat pour une connexion déjà ouverte sur le fichier : le mot de passe dérivé
// ici, avec le sel lu dans l'en-tête du fichier, et donné au moteur comme clé brute (x'…').
// Le résultat est celui que SQLCipher 3 obtiendrait lui-même (PBKDF2-HMAC-SHA1, 64 000 tours,
// 32 octets) : les fichiers restent les mêmes ; mais sa dérivation passe par l'interface
// générique d'OpenSSL, trois fois plus lente, et c'est le plus long du démarrage. Si le sel
// ne peut être lu, rend le mot de passe tel quel : le moteur dira ce qui ne va pas.
// Une dérivation déjà faite, ou commencée par AnticiperCle, pour ce sel et ce mot de passe est
// reprise au lieu d'être refaite.
QByteArray CleDeScores(sqlite3 *base, const QByteArray &motDePasse);

// Commence sur un autre fil la dérivation de la clé de ce fichier, dont le sel est lu ici. Ce
// fil ne touche qu'au sel et à Nettle, aucun objet Qt et aucun texte : il peut partir avant que
// l'application existe. Un fichier absent ou illisible n'anticipe rien. À appeler avant toute
// connexion à ce fichier : fermer un descripteur sur un fichier que le moteur tient lui ferait
// perdre ses verrous.
void AnticiperCle(const QString &fichier, const QByteArray &motDePasse);

} // namespace kalvoro
