#!/usr/bin/env bash
# Captures de chaque fenêtre du vrai jeu en anglais sous Xvfb (LANGUAGE=en), dans docs/en/ :
# le jeu au repos, les meilleurs scores, les cinq onglets d'A propos, l'aide, puis une partie
# jouée jusqu'au bout : la question de fin, l'enregistrement du score et sa réponse ; enfin le
# message d'un Scores.dat introuvable.
#   tools/captures-anglais.sh [dossier du programme] [dossier de sortie]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build/Kalvoro}
sortie=${2:-$racine/docs/en}
source "$racine/tools/xvfb-libre.sh"
export LANGUAGE=en
mkdir -p "$sortie"

preparer_essai "$dossier"

# La fenêtre visible au titre exact, attendue au plus 20 s.
fenetre() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# La plus récente des fenêtres visibles de premier niveau (les dialogues sans titre).
derniere_fenetre() { xdotool search --onlyvisible --name '.*' | tail -n 1; }
photo() { sleep 0.4; import -window "$1" "$sortie/$2.png"; echo "capture : $sortie/$2.png"; }

"$COPIE/kalvoro" &
PROGRAMME=$!
id=$(fenetre "Kalvoro 1.7")
xdotool windowfocus --sync "$id"
photo "$id" jeu

# Les meilleurs scores, série Animals (Alt+A), puis Close.
xdotool key alt+s
visu=$(fenetre "Best scores")
xdotool windowfocus --sync "$visu" key alt+a
photo "$visu" scores
xdotool key alt+c
sleep 0.3

# A propos : ses cinq onglets, puis Échap.
xdotool windowfocus --sync "$id" key alt+a
sleep 0.8
apropos=$(derniere_fenetre)
xdotool windowfocus --sync "$apropos"
for onglet in 1 2 3 4 5; do
  photo "$apropos" "apropos-$onglet"
  xdotool key ctrl+Tab
done
xdotool key Escape
sleep 0.3

# L'aide, sur F1.
xdotool windowfocus --sync "$id" key F1
aide=$(fenetre "Kalvoro Help")
photo "$aide" aide
xdotool windowfocus --sync "$aide" key Escape
sleep 0.3

# Une partie entière : la question de fin, puis l'enregistrement.
xdotool windowfocus --sync "$id"
source "$racine/tools/jeu-xdotool.sh"
choisir_smileys
while [ "$paires" -lt 24 ]; do
  jouer_tour
done
fin=$(fenetre "Game over")
photo "$fin" fin-partie
xdotool windowfocus --sync "$fin" key Return
enregistre=$(fenetre "Save your score")
xdotool windowfocus --sync "$enregistre" type "emma"
xdotool key Return type "wilson"
photo "$enregistre" enregistre
xdotool key alt+s
sleep 0.8
reponse=$(derniere_fenetre)
[ "$reponse" != "$enregistre" ] && photo "$reponse" jeu-apres-enregistrement
kill "$PROGRAMME"
wait "$PROGRAMME" 2>/dev/null || true

# Sans Scores.dat : le message d'échec, en anglais lui aussi.
rm -f "$COPIE/Scores.dat"
"$COPIE/kalvoro" &
PROGRAMME=$!
echec=$(fenetre "Kalvoro")
photo "$echec" echec-scores
