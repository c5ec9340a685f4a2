#!/usr/bin/env bash
# Une partie entière de Léa et Tom sur le vrai programme sous Xvfb, le joueur à mémoire jouant
# pour celui qui a la main : la boîte « Fin de partie » paraît, « Non » remet le plateau au
# repos, aucune saisie des scores ne s'ouvre, le jeu tourne encore et Scores.dat n'a pas bougé.
#   partie_a_deux.sh <dossier du programme>
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
titre="Kalvoro $(sed -n 's/^project(Kalvoro VERSION \([0-9.]*\).*/\1/p' "$racine/CMakeLists.txt")"
source "$racine/tools/xvfb-libre.sh"
preparer_essai "$1"
echec() { echo "ÉCHEC : $*"; exit 1; }
export HOME=$COPIE/maison XDG_CONFIG_HOME=$COPIE/maison/.config
mkdir -p "$XDG_CONFIG_HOME/kalvoro"
printf '[joueurs]\nnombre=2\nprenoms=Léa, Tom\n' >"$XDG_CONFIG_HOME/kalvoro/kalvoro.conf"
cp "$COPIE/Scores.dat" "$HOME/Scores.avant"
"$COPIE/kalvoro" >/dev/null 2>&1 &
PROGRAMME=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$titre\$" | head -n 1)
[ -n "$id" ] || echec "la fenêtre « $titre » n'a pas paru"
vue_de() { # empreinte d'une zone de la fenêtre (plateau, Annuler), le pointeur hors d'elle
  xdotool mousemove --window "$id" 100 400 sleep 0.3
  import -window "$id" -crop "$1" png:- | identify -format '%#' -
}
ouverte() { xdotool search --name "^$1\$" >/dev/null; }
annuler_grise=$(vue_de 96x24+520+253)
source "$racine/tools/jeu-xdotool.sh"
choisir_smileys
for _ in $(seq 80); do [ "$paires" -lt $((CELLULES / 2)) ] && jouer_tour; done
fin=$(timeout 10 xdotool search --sync --onlyvisible --name '^Fin de partie$' | head -n 1)
[ -n "$fin" ] || echec "la boîte « Fin de partie » n'a pas paru après les $paires paires"
xdotool mousemove --window "$fin" 5 5 windowfocus --sync "$fin" key alt+n
sleep 2
! ouverte 'Fin de partie' || echec "« Non » n'a pas fermé la boîte de fin"
! ouverte 'Enregistrement des scores' || echec "une partie à deux a ouvert la saisie des scores"
kill -0 "$PROGRAMME" 2>/dev/null || echec "le programme s'est arrêté après « Non »"
[ "$(vue_de 96x24+520+253)" = "$annuler_grise" ] || echec "après « Non », Annuler reste actif"
avant=$(vue_de 515x385+0+0); cliquer 1
[ "$(vue_de 515x385+0+0)" = "$avant" ] || echec "après « Non », un clic retourne encore une carte"
cmp -s "$COPIE/Scores.dat" "$HOME/Scores.avant" || echec "une partie à deux a changé Scores.dat"
echo "partie à deux jouée jusqu'au bout ($paires paires)"
