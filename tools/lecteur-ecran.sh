#!/usr/bin/env bash
# Le vrai lecteur d'écran Orca sur le vrai programme : une partie jouée au clavier sous Xvfb,
# puis ce qu'Orca a dit (les lignes « SPEECH OUTPUT: » de son journal de débogage).
#   tools/lecteur-ecran.sh [dossier du programme]       (build/Kalvoro par défaut)
# Le jeu tourne dans une copie temporaire de son dossier : aucun Scores.dat n'est touché.
# Orca, speech-dispatcher et le bus d'accessibilité vivent dans un HOME et des dossiers XDG
# temporaires ; il n'y a pas de carte son : la parole part vers la sortie nulle de libao.
# Variables : JOURNAL=fichier garde le journal complet d'Orca ; PAUSE=secondes entre deux
# touches (1,5 par défaut : Orca a le temps de tout dire).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=$(cd "${1:-$racine/build/Kalvoro}" && pwd)
[ -x "$dossier/kalvoro" ] || { echo "pas de programme dans $dossier (make build ?)" >&2; exit 1; }
command -v orca >/dev/null || { echo "Orca manque : apt install orca" >&2; exit 1; }

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${LECTEUR_BUS_PRIVE:-}" ]; then
  maison=$(mktemp -d)
  trap 'rm -rf "$maison"' EXIT
  export HOME=$maison XDG_CONFIG_HOME=$maison/.config XDG_DATA_HOME=$maison/.local/share \
    XDG_CACHE_HOME=$maison/.cache XDG_RUNTIME_DIR=$maison/run LECTEUR_BUS_PRIVE=1
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  printf 'default_driver=null\n' >"$HOME/.libao"
  dbus-run-session -- bash "$0" "$dossier"
  exit $?
fi

source "$racine/tools/xvfb-libre.sh"
preparer_essai "$dossier"
journal=${JOURNAL:-$COPIE/orca.log}
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 GTK_MODULES=gail:atk-bridge
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS=$!
sleep 1
orca --replace --debug-file="$journal" >/dev/null 2>&1 &
ORCA=$!
trap 'kill $ORCA $BUS 2>/dev/null; nettoyer_essai; rm -rf "$HOME"' EXIT
sleep 4

"$COPIE/kalvoro" &
PROGRAMME=$!
fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kalvoro 1.7$' | head -n 1)
xdotool mousemove --window "$fenetre" 300 200 windowfocus --sync "$fenetre"
sleep 2

/usr/bin/python3 "${JOUEUR:-$racine/tools/joueur_clavier.py}" "${PAUSE:-1.5}" >"$COPIE/joueur.log" 2>&1 \
  || { echo "la partie jouée s'est interrompue :" >&2; cat "$COPIE/joueur.log" >&2; }
sleep 2
grep -a 'SPEECH OUTPUT:' "$journal" | sed -e "s/^.*SPEECH OUTPUT: //"
