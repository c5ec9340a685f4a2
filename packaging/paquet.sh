#!/usr/bin/env bash
# paquet.sh <construction> [tâches] : le paquet Debian dans <construction>/paquet/.
#
# Construit à part de "make build" avec les drapeaux de Debian (dpkg-buildflags : protection
# de la pile, _FORTIFY_SOURCE, relro, now), comme le ferait debhelper, et daté du dernier commit
# (SOURCE_DATE_EPOCH) : le même état des sources donne le même .deb.
set -euo pipefail
sources=$(cd "$(dirname -- "$0")/.." && pwd)
construction=$(realpath -m -- "$1")
taches=${2:-2}
cd "$sources"
# Les droits des fichiers et dossiers du paquet ne dépendent pas de l'umask de l'empaqueteur.
umask 022

# La date du dernier commit de ces sources ; hors de git (archive), celle de l'historique.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$sources" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  else
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
  fi
fi
export SOURCE_DATE_EPOCH

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
drapeaux() { dpkg-buildflags --get "$1"; }
# Type None : les seuls drapeaux sont ceux de Debian. Le paquet ne demande que le programme et
# ce qu'il installe, pas les essais.
cmake -S . -B "$construction" -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$(drapeaux CPPFLAGS) $(drapeaux CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(drapeaux LDFLAGS)" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$construction" -j "$taches" \
  --target kalvoro kalvoro_livraison kalvoro_scores_neufs
cd "$construction"
cpack -G DEB
