#!/usr/bin/env bash
# installation.sh <construction> <mot de passe> fiches|joueur : le programme installé dans un
# DESTDIR temporaire. fiches : l'entrée du menu et la fiche AppStream passent leurs validateurs.
# joueur : avec un HOME neuf, la copie des scores du joueur paraît, identique au fichier livré,
# dans des dossiers fermés aux autres (0700), puis garde ses lignes, sans que share/kalvoro
# change ; le dossier de construction garde, lui, son propre Scores.dat.
set -euo pipefail
construction=$1
# La clé au format de SQLCipher 3, comme le programme, sans le "ok" de SQLCipher 4.
cle=(-cmd ".output /dev/null" -cmd "PRAGMA key = '$2'" -cmd "PRAGMA cipher_compatibility = 3"
  -cmd "PRAGMA cipher_log_level = NONE" -cmd ".output stdout")
source "$(dirname "$0")/../../tools/xvfb-libre.sh"
# Le titre de la fenêtre porte la version, lue là où le programme la prend (project() de la
# racine, d'où CMake tire Version.h) : l'essai ne la recopie pas.
titre="Kalvoro $(sed -n 's/^project(Kalvoro VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
racine=$(mktemp -d)
charge=
trap '[ -z "$charge" ] || kill "$charge"; arreter_xvfb; chmod -R u+w "$racine"; rm -rf "$racine"' EXIT
echec() { echo "$*"; exit 1; }
DESTDIR="$racine/dest" cmake --install "$construction" --prefix /usr/local >/dev/null
prefixe="$racine/dest/usr/local"
partage="$prefixe/share/kalvoro"

# Lance le programme, attend sa fenêtre, la ferme par Alt+Q ; le statut doit être 0.
lancer_et_fermer() {
  "$1" &
  local programme=$! id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$titre\$" | head -n 1) || true
  [ -n "$id" ] || { kill "$programme"; echec "la fenêtre de $1 n'est pas apparue"; }
  xdotool windowfocus --sync "$id" key alt+q
  # Une fenêtre figée ne répond plus : l'attente est bornée.
  for _ in $(seq 100); do kill -0 "$programme" 2>/dev/null && sleep 0.1; done
  if kill -0 "$programme" 2>/dev/null; then
    kill "$programme"
    echec "$1 n'a pas répondu à Alt+Q"
  fi
  wait "$programme" || echec "$1 s'est terminé avec le statut $?"
}
requete() { sqlcipher -batch -bail "${cle[@]}" "$donnees" "$1"; }
empreinte() { (cd "$partage" && ls -A && sha256sum ./*); }

case "$3" in
fiches)
  entree="$prefixe/share/applications/kalvoro.desktop"
  desktop-file-validate "$entree"
  appstreamcli validate --no-net "$prefixe"/share/metainfo/*.metainfo.xml
  icone=$(sed -n 's/^Icon=//p' "$entree")
  for taille in 32x32/apps/$icone.png 64x64/apps/$icone.png scalable/apps/$icone.svg; do
    [ -f "$prefixe/share/icons/hicolor/$taille" ] || echec "icône $taille absente"
  done
  grep -q '<launchable type="desktop-id">kalvoro.desktop<' "$prefixe"/share/metainfo/*.xml ||
    echec "la fiche AppStream ne désigne pas kalvoro.desktop"
  ;;
joueur)
  export HOME="$racine/maison"
  unset XDG_DATA_HOME
  donnees="$HOME/.local/share/Kalvoro/Scores.dat"
  mkdir -p "$HOME"
  chmod -R a-w "$partage"
  avant=$(empreinte)
  demarrer_xvfb
  lancer_et_fermer "$(find "$prefixe" -type f -name kalvoro -perm -u+x)"
  cmp "$partage/Scores.dat" "$donnees" || echec "la copie du joueur diffère du fichier livré"
  droits=$(stat -c %a "$HOME/.local" "$HOME/.local/share" "$HOME/.local/share/Kalvoro")
  [ "$droits" = "$(printf '700\n700\n700')" ] || echec "dossiers du joueur ouverts : $droits"
  requete "UPDATE Animaux SET NOM = 'GARDE' WHERE rowid =
    (SELECT rowid FROM Animaux ORDER BY SCORE DESC LIMIT 1);"
  lancer_et_fermer "$(find "$prefixe" -type f -name kalvoro -perm -u+x)"
  [ "$(requete "SELECT count(*) FROM Animaux WHERE NOM = 'GARDE';")" = 1 ] ||
    echec "le deuxième lancement n'a pas gardé la ligne du joueur"
  [ "$(empreinte)" = "$avant" ] || echec "share/kalvoro a changé"
  chmod -R u+w "$partage"
  rm -rf "$HOME/.local"
  cp -r "$construction/Kalvoro" "$racine/portable"
  lancer_et_fermer "$racine/portable/kalvoro"
  [ ! -e "$HOME/.local/share/Kalvoro" ] || echec "le dossier portable a pris les scores du joueur"
  # Vingt premiers lancements, chacun avec un HOME neuf, pendant qu'un autre processus occupe le
  # processeur : la copie des scores se fait chaque fois, et chaque fenêtre répond au clavier.
  yes >/dev/null &
  charge=$!
  for n in $(seq 20); do
    HOME="$racine/premier-$n" lancer_et_fermer "$(find "$prefixe" -type f -name kalvoro -perm -u+x)"
    [ -f "$racine/premier-$n/.local/share/Kalvoro/Scores.dat" ] || echec "lancement $n sans copie"
  done
  ;;
*) echec "cas inconnu : $3" ;;
esac
echo "essai $3 réussi"
