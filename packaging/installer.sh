#!/usr/bin/env bash
# installer.sh installer|desinstaller <construction> <préfixe> : "make install" et
# "make uninstall", DESTDIR suivi comme d'ordinaire.
#
# Chaque installation garde sa liste, une par couple DESTDIR et préfixe, dans
# <construction>/installations/ : les fichiers posés avec leur empreinte et les dossiers que
# l'installation a dû créer. La désinstallation ne retire que cela, et seulement si rien n'a
# changé depuis : une installation dans un DESTDIR ne touche jamais à celle du système.
set -euo pipefail
export LC_ALL=C
# Les dossiers que crée l'installation en 0755 quel que soit l'umask de qui installe (CMake le
# suit) : sinon, sous umask 077, les autres joueurs ne verraient pas le jeu.
umask 022
action=$1
construction=$(realpath -- "$2")
prefixe=$(realpath -m -s -- "$3")
destdir=""
[ -z "${DESTDIR:-}" ] || destdir=$(realpath -m -s -- "$DESTDIR")
[ "$destdir" != / ] || destdir=""
cible=$destdir$prefixe
listes=$construction/installations
liste=$listes/$(printf '%s\n%s\n' "$destdir" "$prefixe" | sha256sum | cut -c1-16).txt
lieu="PREFIX=« $prefixe »${destdir:+ et DESTDIR=« $destdir »}"

refuser() {
  printf '%s\n' "$@" >&2
  exit 1
}

# Les dossiers absents sur le chemin de la cible : l'installation les créera.
dossiers_absents() {
  local dossier=$cible
  while [ ! -e "$dossier" ]; do
    printf 'D %s\n' "$dossier"
    dossier=$(dirname -- "$dossier")
  done
}

# Pose les fichiers et écrit la liste : les fichiers et leur empreinte, les dossiers nouveaux
# (ceux d'une installation précédente au même endroit restent les siens).
installer() {
  [ -f "$construction/cmake_install.cmake" ] ||
    refuser "make install : rien à installer dans $construction ; lancez d'abord make build."
  local avant poses
  avant=$(mktemp) poses=$(mktemp)
  trap 'rm -f "$avant" "$poses"' RETURN
  [ ! -d "$cible" ] || find "$cible" -xdev -type d | sort >"$avant"
  local absents
  absents=$(dossiers_absents)
  DESTDIR=$destdir cmake -DCONSTRUCTION="$construction" -DCMAKE_INSTALL_PREFIX="$prefixe" \
    -DLISTE="$poses" -P "$(dirname -- "$0")/Poser.cmake"
  mkdir -p "$listes"
  {
    printf '# %s\n' "$lieu"
    {
      printf '%s\n' "$absents"
      [ ! -f "$liste" ] || grep '^D ' "$liste"
      find "$cible" -xdev -type d | sort | comm -13 "$avant" - | sed 's/^/D /'
      while IFS= read -r fichier; do
        printf 'F %s %s\n' "$(sha256sum <"$destdir$fichier" | cut -c1-64)" "$destdir$fichier"
      done <"$poses"
    } | grep -v '^$' | sort -u
  } >"$liste.nouvelle"
  mv "$liste.nouvelle" "$liste"
  # Installé en root ("sudo make install"), le dossier de construction reste à son propriétaire.
  [ "$(id -u)" -ne 0 ] ||
    chown -R --reference="$construction" "$listes" "$construction/install_manifest.txt"
}

# Refuse tout, avant de rien retirer, si un fichier n'est plus celui qui a été posé ou ne peut
# être retiré.
verifier() {
  local type somme chemin changes=() interdits=()
  while read -r type somme chemin; do
    [ "$type" = F ] && { [ -e "$chemin" ] || [ -L "$chemin" ]; } || continue
    [ -f "$chemin" ] && [ ! -L "$chemin" ] &&
      [ "$(sha256sum <"$chemin" | cut -c1-64)" = "$somme" ] || changes+=("  $chemin")
    [ -w "$(dirname -- "$chemin")" ] || interdits+=("  $chemin")
  done <"$liste"
  [ ${#changes[@]} -eq 0 ] ||
    refuser "make uninstall : ces fichiers ne sont plus ceux que make install a posés sous $lieu ;" \
      "rien n'est retiré :" "${changes[@]}"
  [ ${#interdits[@]} -eq 0 ] ||
    refuser "make uninstall : droits insuffisants pour retirer ces fichiers (sudo make uninstall ?) ;" \
      "rien n'est retiré :" "${interdits[@]}"
}

desinstaller() {
  [ -f "$liste" ] ||
    refuser "make uninstall : aucune installation de Kalvoro par make install sous $lieu ;" \
      "rien n'est retiré. Installations connues, à désinstaller avec les mêmes DESTDIR et PREFIX :" \
      "$(sed -n 's/^# /  /p' "$listes"/*.txt 2>/dev/null || echo '  aucune')"

  verifier
  local chemin
  sed -n 's/^F [0-9a-f]* //p' "$liste" | xargs -r -d '\n' rm -f --
  # Les dossiers les plus profonds d'abord ; un dossier qui tient autre chose reste.
  sed -n 's/^D //p' "$liste" | sort -r | while IFS= read -r chemin; do
    [ ! -d "$chemin" ] || rmdir -- "$chemin" 2>/dev/null ||
      echo "Dossier gardé, il contient d'autres fichiers : $chemin"
  done
  rm -f -- "$liste"
}

case "$action" in
installer) installer ;;
desinstaller) desinstaller ;;
*) refuser "action inconnue : $action" ;;
esac
