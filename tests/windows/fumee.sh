#!/usr/bin/env bash
# Essai de fumée du vrai programme sous Xvfb, depuis une copie temporaire du dossier du
# programme (les scores du dossier de construction ne sont jamais touchés).
#   fumee.sh <dossier du programme> fenetre      la fenêtre "Kalvoro <version>" paraît, Alt+Q la ferme
#   fumee.sh <dossier du programme> sans-scores  sans Scores.dat : message, puis statut 1
#   fumee.sh <dossier du programme> anglais      LANGUAGE=en : Alt+S ouvre « Best scores »
# Hors du cas anglais, le programme tourne sous la locale C : il doit y parler français.
set -euo pipefail
dossier=$1
cas=$2
source "$(dirname "$0")/../../tools/xvfb-libre.sh"
# Le titre de la fenêtre porte la version, lue là où le programme la prend (project() de la
# racine, d'où CMake tire Version.h) : l'essai ne la recopie pas.
titre="Kalvoro $(sed -n 's/^project(Kalvoro VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"

preparer_essai "$dossier"
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C

# Attend la fin du programme, au plus 20 s, et met son statut dans STATUT.
attendre_fin() {
  for _ in $(seq 200); do
    kill -0 "$PROGRAMME" 2>/dev/null || break
    sleep 0.1
  done
  STATUT=0
  wait "$PROGRAMME" || STATUT=$?
  PROGRAMME=
}

# Le premier identifiant de fenêtre visible au titre exact, attendu au plus 20 s.
fenetre_nommee() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

case "$cas" in
fenetre)
  [ -f "$COPIE/Scores.dat" ] || { echo "Scores.dat manque dans $dossier"; exit 1; }
  "$COPIE/kalvoro" &
  PROGRAMME=$!
  id=$(fenetre_nommee "$titre")
  [ -n "$id" ] || { echo "la fenêtre $titre n'est pas apparue"; exit 1; }
  taille=$(xwininfo -id "$id" | awk '/Width:/ {l=$2} /Height:/ {h=$2} END {print l "x" h}')
  [ "$taille" = "623x413" ] || { echo "taille inattendue : $taille"; exit 1; }
  # L'aide n'est attachée à aucune fenêtre : un clic sur le jeu la fait passer dessous.
  xdotool windowfocus --sync "$id" key F1
  aide=$(fenetre_nommee "Aide de Kalvoro")
  [ -n "$aide" ] || { echo "F1 n'a pas ouvert l'aide"; exit 1; }
  if xprop -id "$aide" WM_TRANSIENT_FOR | grep -q 'window id'; then
    echo "l'aide reste attachée au-dessus du jeu"; exit 1
  fi
  xdotool windowfocus --sync "$id" key alt+q
  attendre_fin
  [ "$STATUT" = 0 ] || { echo "statut de sortie $STATUT au lieu de 0"; exit 1; }
  ;;
sans-scores)
  rm -f "$COPIE/Scores.dat"
  "$COPIE/kalvoro" &
  PROGRAMME=$!
  id=$(fenetre_nommee "Kalvoro")
  [ -n "$id" ] || { echo "aucun message d'échec n'est apparu"; exit 1; }
  if xdotool search --onlyvisible --name "^$titre\$" >/dev/null; then
    echo "la fenêtre du jeu s'est ouverte malgré l'échec"; exit 1
  fi
  xdotool windowfocus --sync "$id" key Return
  attendre_fin
  [ "$STATUT" = 1 ] || { echo "statut de sortie $STATUT au lieu de 1"; exit 1; }
  ;;
anglais)
  LANGUAGE=en "$COPIE/kalvoro" &
  PROGRAMME=$!
  id=$(fenetre_nommee "$titre")
  [ -n "$id" ] || { echo "la fenêtre $titre n'est pas apparue"; exit 1; }
  xdotool windowfocus --sync "$id" key alt+s
  visu=$(fenetre_nommee "Best scores")
  [ -n "$visu" ] || { echo "Alt+S n'a pas ouvert la fenêtre « Best scores »"; exit 1; }
  # Le focus du clavier suit le pointeur : il entre dans la fenêtre avant la touche.
  xdotool mousemove --window "$visu" 20 20 windowfocus --sync "$visu" key alt+c
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Best scores$' >/dev/null || break
    sleep 0.1
  done
  xdotool mousemove --window "$id" 20 20 windowfocus --sync "$id" key alt+q
  attendre_fin
  [ "$STATUT" = 0 ] || { echo "statut de sortie $STATUT au lieu de 0"; exit 1; }
  ;;
*)
  echo "cas inconnu : $cas"; exit 2 ;;
esac
echo "essai $cas réussi"
