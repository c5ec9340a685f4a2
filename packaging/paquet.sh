#!/usr/bin/env bash
# paquet.sh <dossier> [tâches] : les paquets source et binaire de Kalvoro, faits par
# dpkg-buildpackage depuis debian/ (la seule façon de faire le paquet), dans <dossier>/ :
# kalvoro_<version>.orig.tar.xz, .debian.tar.xz, .dsc, .deb, .changes.
#
# L'archive d'origine tient les sources telles qu'elles sont ici, sans debian/, sans les
# constructions ni l'historique, triées et datées du dernier commit (SOURCE_DATE_EPOCH) : le
# même état des sources donne les mêmes fichiers. Les sources sont recopiées, dates comprises,
# dans <dossier>/kalvoro-<version amont>/, dont la construction (obj-*) est gardée d'une fois
# sur l'autre : une deuxième mise en paquet ne recompile que ce qui a changé.
# DEB_BUILD_OPTIONS=nocheck saute les essais de la construction, comme d'ordinaire.
set -euo pipefail
sources=$(cd "$(dirname -- "$0")/.." && pwd)
dossier=$(realpath -m -- "$1")
taches=${2:-2}
version=$(dpkg-parsechangelog -l "$sources/debian/changelog" -S Version)
amont=${version%-*}
arbre="$dossier/kalvoro-$amont"
# Les droits des fichiers du paquet ne dépendent pas de l'umask de l'empaqueteur.
umask 022

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if [ "$(git -C "$sources" rev-parse --show-toplevel 2>/dev/null)" = "$sources" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$sources" log -1 --format=%ct)
  else
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$sources/debian/changelog" -S Timestamp)
  fi
fi
export SOURCE_DATE_EPOCH

# Les sources du paquet : ni l'historique, ni les constructions, ni les caches.
sources_tar() {
  tar -C "$sources" --exclude-vcs --exclude='./build*' --exclude='./obj-*' \
    --exclude='__pycache__' "$@" .
}

mkdir -p "$arbre"
sources_tar --exclude=./debian --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 \
  --numeric-owner --transform "s,^\.,kalvoro-$amont," -cf - |
  xz -T1 -9 >"$dossier/kalvoro_$amont.orig.tar.xz"
find "$arbre" -mindepth 1 -maxdepth 1 ! -name 'obj-*' -exec rm -rf {} +
sources_tar -cf - | tar -C "$arbre" -xf -

cd "$arbre"
dpkg-buildpackage -us -uc -F -nc -j"$taches" \
  --source-option=--extend-diff-ignore='^obj-' >"$dossier/construction.log" 2>&1 ||
  { tail -n 40 "$dossier/construction.log" >&2; exit 1; }
