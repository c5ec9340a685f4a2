#!/usr/bin/env bash
# Essai d'accessibilité du vrai programme : sous Xvfb, avec son propre bus de session et le bus
# d'accessibilité (AT-SPI), un joueur au clavier qui n'entend le jeu que par ce bus joue une
# partie entière ; lecteur.py vérifie ce qu'un lecteur d'écran en apprend. Le programme tourne
# dans une copie temporaire de son dossier : aucun Scores.dat de joueur n'est touché.
#   lecteur.sh <dossier du programme>
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
source "$ici/essai-accessible.sh"
# Le titre de la fenêtre porte la version, lue là où le programme la prend (project() de la
# racine, d'où CMake tire Version.h) : l'essai ne la recopie pas.
titre="Kalvoro $(sed -n 's/^project(Kalvoro VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
preparer_essai_accessible "$1"

"$COPIE/kalvoro" >"$COPIE/sortie.log" 2>&1 &
PROGRAMME=$!
fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name "^$titre\$" | head -n 1)
[ -n "$fenetre" ] || { echo "la fenêtre du jeu n'a pas paru"; exit 1; }
xdotool mousemove --window "$fenetre" 300 200 windowfocus --sync "$fenetre"
/usr/bin/python3 "$ici/lecteur.py"
