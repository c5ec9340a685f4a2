#!/usr/bin/env bash
# paquet.sh <sources> <construction du paquet> : ce que "make paquet" produit. Deux mises en
# paquet du même état donnent le même .deb ; l'exécutable livré n'a pas de RUNPATH et porte le
# durcissement de Debian ; les dépendances tiennent ce que le programme charge à l'exécution.
set -euo pipefail
sources=$1 construction=$2
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echec() { echo "$*"; exit 1; }
empaqueter() {
  bash "$sources/packaging/paquet.sh" "$construction" >/dev/null
  sha256sum "$construction"/paquet/kalvoro_*.deb | cut -c1-64
}
premier=$(empaqueter)
# Une autre date de fichier, un autre moment, un autre umask : le même paquet.
touch "$construction"/Kalvoro/kalvoro
second=$(umask 077 && empaqueter)
[ "$premier" = "$second" ] || echec "deux mises en paquet diffèrent : $premier $second"
paquet=$(echo "$construction"/paquet/kalvoro_*.deb)

dpkg-deb -x "$paquet" "$racine"
executable=$racine/usr/games/kalvoro
dynamique=$(readelf -dW "$executable")
symboles=$(readelf --dyn-syms -W "$executable")
# Ce que vérifie hardening-check : PIE, pile protégée, fonctions fortifiées, relro, now.
verifier() { grep -Eq "$2" <<<"$3" || echec "l'exécutable livré : $1"; }
verifier "pas un exécutable indépendant de la position" 'Type: +DYN' "$(readelf -hW "$executable")"
verifier "relro manque" GNU_RELRO "$(readelf -lW "$executable")"
verifier "liaison immédiate (now) manque" 'FLAGS.*\bNOW\b' "$dynamique"
verifier "pile non protégée" __stack_chk_fail "$symboles"
# Les seuls memcpy/memset qui restent des appels sont ceux dont la taille n'est pas connue à la
# compilation : _FORTIFY_SOURCE ne se voit alors pas dans l'exécutable, mais à sa compilation.
grep -q -- '-D_FORTIFY_SOURCE=[23]' "$construction/compile_commands.json" ||
  echec "compilé sans _FORTIFY_SOURCE"
! grep -Eq 'RPATH|RUNPATH' <<<"$dynamique" || echec "RUNPATH dans l'exécutable livré"

depend=$(dpkg-deb -f "$paquet" Depends)
for paquet_requis in qt6-translations-l10n fonts-liberation2 fonts-dejavu-core xdg-utils \
  libqt6widgets6; do
  grep -Eq "(^|, )$paquet_requis\b" <<<"$depend" || echec "Depends sans $paquet_requis : $depend"
done
! grep -q qt6-qpa-plugins <<<"$depend" || echec "qt6-qpa-plugins est inutile : $depend"
echo "essai paquet réussi"
