#!/usr/bin/env bash
# desinstallation.sh <sources> <construction> : make install et make uninstall dans deux DESTDIR
# (a, b) et directement sous le préfixe (p), dans tous les ordres. Chaque désinstallation retire
# ce que sa propre installation a posé, fichiers et dossiers créés, et rien d'autre : ni les
# autres installations, ni le dossier vide qui était déjà là. Ce qui n'est pas à elle est refusé.
set -euo pipefail
sources=$1 construction=$2
racine=$(mktemp -d)
# Même en échec, les listes d'installation de l'essai ne restent pas dans la construction.
trap 'grep -lsF "$racine" "$construction"/installations/*.txt | xargs -r rm -f || true; rm -rf "$racine"' EXIT
echec() { echo "$*"; exit 1; }
prefixe=$racine/prefixe
mkdir -p "$prefixe/share/man/man6" # comme sur une Debian neuve : vide, mais pas à Kalvoro
arbre() { [ "$1" = p ] && echo "$prefixe" || echo "$racine/$1"; }
outil() {
  DESTDIR=$([ "$2" = p ] || arbre "$2") bash "$sources/packaging/installer.sh" "$1" \
    "$construction" "$prefixe" >/dev/null
}
empreinte() { [ ! -e "$(arbre "$1")" ] || (cd "$(arbre "$1")" && find . -printf '%y %m %p\n' |
  sort && find . -type f -exec sha256sum {} + | sort); }
declare -A vide installe
for lieu in a b p; do vide[$lieu]=$(empreinte $lieu); done

for ordre in "a b p" "a p b" "b a p" "b p a" "p a b" "p b a"; do
  # Le premier lieu installé deux fois : la seconde liste garde les dossiers de la première.
  for lieu in $ordre ${ordre%% *}; do outil installer $lieu; done
  for lieu in a b p; do installe[$lieu]=$(empreinte $lieu); done
  restants="a b p"
  for lieu in $ordre; do
    outil desinstaller $lieu
    restants=${restants/$lieu/}
    [ "$(empreinte $lieu)" = "${vide[$lieu]}" ] || echec "$ordre : $lieu laisse $(empreinte $lieu)"
    for autre in $restants; do
      [ "$(empreinte $autre)" = "${installe[$autre]}" ] || echec "$ordre : $lieu touche à $autre"
    done
  done
done

# Sous umask 077, le jeu installé reste ouvert à tous les joueurs.
(umask 077 && outil installer a)
[ -z "$(find "$(arbre a)" -type d ! -perm 755)" ] || echec "dossiers installés fermés aux autres"
# Refusés sans rien retirer : un lieu jamais installé, un fichier changé depuis l'installation.
refus=$(outil desinstaller b 2>&1) && echec "b, jamais installé, se désinstalle"
[[ $refus == *"aucune installation"*"rien n'est retiré"* ]] || echec "message : $refus"
echo "modifié" >>"$(arbre a)$prefixe/share/kalvoro/Kalvoro.hlp"
avant=$(empreinte a)
refus=$(outil desinstaller a 2>&1) && echec "la désinstallation passe sur un fichier changé"
[[ $refus == *"rien n'est retiré"*"Kalvoro.hlp"* ]] || echec "message : $refus"
[ "$(empreinte a)" = "$avant" ] || echec "un refus a retiré des fichiers"
echo "essai désinstallation réussi"
