#!/usr/bin/env bash
# Mesure hors des tests, avec le vrai programme lancé sous l'utilisateur nobody (en root) :
#  A. dossier portable en lecture seule, Scores.dat avec le journal chaud d'une inscription
#     interrompue : que montre la copie faite au premier lancement ?
#  B. le même dossier devenu inscriptible : quel Scores.dat le programme ouvre-t-il ?
# Usage : premiere_copie.sh <dossier du programme construit (build/Kalvoro)>
set -euo pipefail
source_prog=$(realpath "$1")
# La clé au format de SQLCipher 3, comme le programme, sans le "ok" de SQLCipher 4.
cle=(-cmd ".output /dev/null" -cmd "PRAGMA key = 'qzm472'" -cmd "PRAGMA cipher_compatibility = 3"
  -cmd "PRAGMA cipher_log_level = NONE" -cmd ".output stdout")
racine=$(mktemp -d /tmp/kalvoro-copie-XXXXXX)
trap 'rm -rf "$racine"' EXIT
chmod 755 "$racine"
jeu="$racine/jeu"; maison="$racine/maison"; travail="$racine/travail"
mkdir -p "$jeu" "$maison" "$travail"
cp "$source_prog/kalvoro" "$source_prog/Kalvoro.hlp" "$jeu/"
cp "$source_prog/Scores.dat" "$travail/Scores.dat"
chown nobody:nogroup "$maison"

premier() { sqlcipher -batch "${cle[@]}" "$1" "SELECT NOM || ' ' || SCORE FROM \"$2\" ORDER BY SCORE LIMIT 1;"; }

# Une inscription tuée à mi-chemin : pages déjà dans le fichier, journal chaud à côté.
sqlcipher -batch -bail "${cle[@]}" "$travail/Scores.dat" <<SQL >/dev/null
PRAGMA cache_size = 2;
BEGIN;
UPDATE "Cinéma" SET NOM = 'INACHEVÉE', SCORE = 1
  WHERE rowid = (SELECT rowid FROM "Cinéma" ORDER BY SCORE DESC LIMIT 1);
CREATE TABLE Bourrage(x);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200)
  INSERT INTO Bourrage SELECT randomblob(900) FROM n;
.system cp '$travail/Scores.dat' '$jeu/Scores.dat' && cp '$travail/Scores.dat-journal' '$jeu/Scores.dat-journal'
ROLLBACK;
SQL
echo "Cinéma, dernier état validé : $(premier "$travail/Scores.dat" Cinéma)"

lancer() {
  strace -f -qq -e trace=openat -o "$racine/appels" \
    setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i HOME="$maison" QT_QPA_PLATFORM=offscreen PATH=/usr/bin:/bin \
    timeout 4 "$jeu/kalvoro" >/dev/null 2>&1 || true
  grep -o '"[^"]*Scores.dat"' "$racine/appels" | sort -u | tr '\n' ' '
}

echo "A. ouverts : $(lancer)"
copie="$maison/.local/share/Kalvoro/Scores.dat"
if [ -f "$copie" ]; then
  echo "A. Cinéma dans la copie du joueur : $(premier "$copie" Cinéma)"
  echo "A. fichiers chez le joueur : $(ls "$maison/.local/share/Kalvoro" | tr '\n' ' ')"
  for f in "$travail/Scores.dat" "$copie"; do
    echo "A. $(basename "$(dirname "$f")") : $(stat -c %s "$f") octets, page $(sqlcipher -batch "${cle[@]}" "$f" 'PRAGMA page_size; PRAGMA integrity_check;' | tr '\n' ' ')"
  done
else
  echo "A. pas de copie chez le joueur"
fi

# B. Le joueur inscrit 25 dans Toons (sa copie) ; le fichier du dossier a 36 pour meilleur.
rm -f "$jeu/Scores.dat-journal"
sqlcipher -batch "${cle[@]}" "$jeu/Scores.dat" "UPDATE Toons SET SCORE = SCORE + 36 - (SELECT min(SCORE) FROM Toons);" >/dev/null
if [ -f "$copie" ]; then
  sqlcipher -batch "${cle[@]}" "$copie" "UPDATE Toons SET SCORE = 25 WHERE rowid = (SELECT rowid FROM Toons ORDER BY SCORE DESC LIMIT 1);" >/dev/null
fi
chown -R nobody:nogroup "$jeu"
echo "B. dossier inscriptible, ouverts : $(lancer)"
echo "B. Toons : dossier $(premier "$jeu/Scores.dat" Toons), copie $( [ -f "$copie" ] && premier "$copie" Toons)"
