# À sourcer : jouer au vrai jeu sous Xvfb avec xdotool, comme un joueur à bonne mémoire. Il
# retient l'image de chaque carte vue (par l'empreinte de sa capture) et ramasse les paires
# qu'il connaît. La fenêtre du jeu est dans la variable id.

# Choix de la série Smileys, celle dont les faces se distinguent le mieux par leur centre : la
# liste déroulée, puis le clavier.
choisir_smileys() {
  xdotool mousemove --window "$id" 568 90 click 1
  sleep 0.4
  xdotool key Down Down Down Down Return
  sleep 0.3
}

# Le plateau, dans la fenêtre classique : COLONNES × RANGEES (8 × 6 par défaut). Ses cartes
# sont au pas le plus grand qui tient dans 7800 × 5850 twips, centrées, comme le fait le jeu.
COLONNES=${COLONNES:-8}
RANGEES=${RANGEES:-6}
CELLULES=$((COLONNES * RANGEES))
pas_t=$(( (7800 - 120) / COLONNES < (5850 - 90) / RANGEES ? (7800 - 120) / COLONNES : (5850 - 90) / RANGEES ))
gauche_t=$((120 + (7800 - 120 - pas_t * COLONNES) / 2))
haut_t=$((120 + (5850 - 90 - pas_t * RANGEES) / 2))
carte=$((pas_t * 855 / 960 / 15))

# Cellule i : coin en pixels dans la fenêtre (au classique, carrés de 57 px au pas de 64).
coin_x() { echo $(((gauche_t + pas_t * (($1 - 1) % COLONNES) + 7) / 15)); }
coin_y() { echo $(((haut_t + pas_t * (($1 - 1) / COLONNES) + 7) / 15)); }
cliquer() {
  xdotool mousemove --window "$id" $(($(coin_x "$1") + carte / 2)) $(($(coin_y "$1") + carte / 2)) click 1
  sleep 0.15
}
# Empreinte du centre de l'image de la cellule (loin du fond du bouton, qui change au survol).
empreinte() {
  import -window "$id" -crop 24x24+$(($(coin_x "$1") + carte / 2 - 12))+$(($(coin_y "$1") + carte / 2 - 12)) png:- |
    identify -format '%#' -
}

declare -A vue      # empreinte -> cellule vue dont la jumelle n'a pas encore été vue
declare -A connue   # cellule -> 1 une fois son image vue
doubles=()          # "a b" : paires repérées, pas encore ramassées
paires=0
nb_connues=0

prochaine_inconnue() {
  local i
  for i in $(seq "$CELLULES"); do
    [ -z "${connue[$i]:-}" ] && { echo "$i"; return; }
  done
  echo 0
}

retourner() { # retourne une cellule inconnue et rend son empreinte dans EMPREINTE
  cliquer "$1"
  connue[$1]=1
  nb_connues=$((nb_connues + 1))
  # Le pointeur quitte la carte (pour la barre d'état, dans la fenêtre qui garde le focus) :
  # le fond de survol, visible dans les parties transparentes de l'image, fausserait l'empreinte.
  xdotool mousemove --window "$id" 100 400
  sleep 0.05
  EMPREINTE=$(empreinte "$1")
}

jouer_tour() {
  local a b ea
  if [ ${#doubles[@]} -gt 0 ]; then
    set -- ${doubles[0]}
    doubles=("${doubles[@]:1}")
    cliquer "$1"; cliquer "$2"
    paires=$((paires + 1))
  else
    a=$(prochaine_inconnue); retourner "$a"; ea=$EMPREINTE
    if [ -n "${vue[$ea]:-}" ]; then
      cliquer "${vue[$ea]}"; unset "vue[$ea]"
      paires=$((paires + 1))
    else
      b=$(prochaine_inconnue); retourner "$b"
      if [ "$ea" = "$EMPREINTE" ]; then
        paires=$((paires + 1))
      else
        vue[$ea]=$a
        if [ -n "${vue[$EMPREINTE]:-}" ]; then
          doubles+=("${vue[$EMPREINTE]} $b"); unset "vue[$EMPREINTE]"
        else
          vue[$EMPREINTE]=$b
        fi
      fi
    fi
  fi
  sleep 1.0 # la pause d'un tour dure 800 ms
}

