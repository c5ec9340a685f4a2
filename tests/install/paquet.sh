#!/usr/bin/env bash
# paquet.sh <sources> <construction du paquet> [tâches] : ce que "make paquet" produit (sans les
# essais de la construction, que fait déjà la suite). Deux mises en paquet du même état donnent
# les mêmes paquets source et binaire ; l'exécutable livré n'a pas de RUNPATH et porte le
# durcissement de Debian ; les dépendances tiennent ce que le programme charge à l'exécution.
set -euo pipefail
sources=$1 construction=$2 taches=${3:-2}
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echec() { echo "$*"; exit 1; }
empaqueter() {
  DEB_BUILD_OPTIONS=nocheck bash "$sources/packaging/paquet.sh" "$construction" "$taches" >/dev/null
  (cd "$construction" && sha256sum kalvoro_*.orig.tar.xz kalvoro_*.debian.tar.xz kalvoro_*.deb)
}
premier=$(empaqueter)
# Une autre date de fichier, un autre moment, un autre umask : les mêmes paquets.
touch "$construction"/kalvoro-*/obj-*/Kalvoro/kalvoro
[ "$(umask 077 && empaqueter)" = "$premier" ] || echec "deux mises en paquet diffèrent"
paquet=$(echo "$construction"/kalvoro_*_*.deb)

dpkg-deb -x "$paquet" "$racine"
elf=$(readelf -h -l -d -W --dyn-syms "$racine/usr/games/kalvoro")
# Ce que vérifie hardening-check : PIE, relro, now, pile protégée.
for attendu in 'Type: +DYN' GNU_RELRO 'FLAGS.*\bNOW\b' __stack_chk_fail; do
  grep -Eq "$attendu" <<<"$elf" || echec "l'exécutable livré n'a pas $attendu"
done
! grep -Eq 'RPATH|RUNPATH' <<<"$elf" || echec "RUNPATH dans l'exécutable livré"
# Les seuls memcpy/memset qui restent des appels ont une taille inconnue à la compilation :
# _FORTIFY_SOURCE ne se voit pas dans l'exécutable, mais à sa compilation.
grep -q -- '-D_FORTIFY_SOURCE=[23]' "$construction"/kalvoro-*/obj-*/compile_commands.json ||
  echec "compilé sans _FORTIFY_SOURCE"

depend=$(dpkg-deb -f "$paquet" Depends)
for requis in qt6-translations-l10n fonts-liberation2 fonts-dejavu-core xdg-utils libqt6widgets6; do
  grep -Eq "(^|, )$requis\b" <<<"$depend" || echec "Depends sans $requis : $depend"
done
! grep -q qt6-qpa-plugins <<<"$depend" || echec "qt6-qpa-plugins est inutile : $depend"
echo "essai paquet réussi"
