#!/usr/bin/env bash
# Le vrai programme lancé sur un dossier de photos, comme « Ouvrir avec Kalvoro » : la fenêtre
# « Mes séries » s'ouvre remplie, Entrée crée la série, une partie entière se joue avec elle au
# clavier (les faces entendues sur le bus d'accessibilité sont les noms des photos) et le score
# s'inscrit dans le fichier de la série, pas dans Scores.dat.
#   serie.sh <dossier du programme> <mot de passe des scores>
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
source "$ici/essai-accessible.sh"
preparer_essai_accessible "$1"
mkdir -p "$COPIE/Vacances 2026"
# Trente photos de couleurs différentes ; deux en double, qui ne comptent qu'une fois.
for i in $(seq 1 30); do
  convert -size 640x480 "xc:hsl($((i * 12)),70%,$((30 + i % 3 * 15))%)" "$COPIE/Vacances 2026/photo_$i.jpg"
done
cp "$COPIE/Vacances 2026/photo_1.jpg" "$COPIE/Vacances 2026/copie de la 1.jpg"

"$COPIE/kalvoro" "$COPIE/Vacances 2026" >"$COPIE/sortie.log" 2>&1 &
PROGRAMME=$!
/usr/bin/python3 "$ici/serie.py"
kill "$PROGRAMME" && wait "$PROGRAMME" 2>/dev/null || true
if grep -E "WARNING|QWARN" "$COPIE/sortie.log"; then exit 1; fi

cle=(-cmd ".output /dev/null" -cmd "PRAGMA key = '$2'" -cmd "PRAGMA cipher_compatibility = 3"
  -cmd "PRAGMA cipher_log_level = NONE" -cmd ".output stdout")
series=("$XDG_DATA_HOME"/Kalvoro/series/*/)
[ ${#series[@]} -eq 1 ] || { echo "séries créées : ${series[*]}"; exit 1; }
grep -q '"Vacances 2026"' "${series[0]}serie.json"
[ "$(ls "${series[0]}"*.png | wc -l)" -eq 30 ] || { echo "images gardées : $(ls "${series[0]}")"; exit 1; }
ligne=$(sqlcipher -batch -bail "${cle[@]}" "${series[0]}Scores.dat" "SELECT PRENOM, NOM FROM Scores;")
[ "$ligne" = "Marie|CURIE" ] || { echo "scores de la série : $ligne"; exit 1; }
tables=$(sqlcipher -batch -bail "${cle[@]}" "$COPIE/Scores.dat" \
  "SELECT count(*) FROM sqlite_master WHERE type = 'table';")
[ "$tables" = 6 ] || { echo "Scores.dat a $tables tables"; exit 1; }
echo "série créée, partie jouée, score inscrit dans son fichier"
