#!/usr/bin/env bash
# Relance lupdate sur une copie de chaque catalogue : la copie doit rester identique (aucun
# texte nouveau ni disparu) et ne garder aucune traduction inachevée.
set -euo pipefail
lupdate=$1
liste=$2
shift 2
copie=$(mktemp --suffix=.ts)
trap 'rm -f "$copie"' EXIT
echec=0
for catalogue in "$@"; do
  cp "$catalogue" "$copie"
  "$lupdate" -silent -locations none -no-obsolete @"$liste" -ts "$copie"
  if ! diff -u "$catalogue" "$copie"; then
    echo "$catalogue n'est pas à jour : cmake --build build --target update_translations," \
         "puis traduire les textes nouveaux." >&2
    echec=1
  fi
  if grep -n 'type="unfinished"' "$copie" >&2; then
    echo "$catalogue a des traductions inachevées (ci-dessus)." >&2
    echec=1
  fi
done
exit $echec
