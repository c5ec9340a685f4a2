#!/usr/bin/env bash
# Capture de la vraie fenêtre du jeu sous Xvfb, au milieu d'une partie : docs/kalvoro.png.
# Le script joue comme un joueur à bonne mémoire : il retient l'image de chaque carte vue
# (par l'empreinte de sa capture) et ramasse les paires qu'il connaît, puis photographie la
# fenêtre pendant la pause d'un tour, deux cartes face visible.
#   tools/capture.sh [dossier du programme] [image de sortie]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build/Kalvoro}
sortie=${2:-$racine/docs/kalvoro.png}
paires_voulues=${PAIRES:-14}
source "$racine/tools/xvfb-libre.sh"

preparer_essai "$dossier"
"$COPIE/kalvoro" &
PROGRAMME=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kalvoro 1.7$' | head -n 1)
xdotool windowfocus --sync "$id"

source "$racine/tools/jeu-xdotool.sh"

choisir_smileys

# On s'arrête tant qu'il reste deux cartes inconnues pour le dernier tour.
while [ "$paires" -lt "$paires_voulues" ] && [ $((48 - nb_connues)) -ge 4 ]; do
  jouer_tour
done

# Le dernier tour est photographié pendant sa pause, les deux faces visibles.
a=$(prochaine_inconnue); retourner "$a"
b=$(prochaine_inconnue); retourner "$b"
sleep 0.1
mkdir -p "$(dirname "$sortie")"
import -window "$id" "$sortie"
echo "capture : $sortie ($paires paires trouvées)"
