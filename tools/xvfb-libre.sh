# À sourcer : démarre un serveur Xvfb sur un numéro d'affichage libre et exporte DISPLAY.
# -noreset : le serveur garde l'état de son clavier quand son dernier client s'en va.
# L'appelant arrête le serveur avec arreter_xvfb (ou par son piège EXIT).

demarrer_xvfb() {
  local fichier_numero
  fichier_numero=$(mktemp)
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 \
    3>"$fichier_numero" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fichier_numero" ] && break
    sleep 0.05
  done
  if [ ! -s "$fichier_numero" ]; then
    echo "Xvfb n'a pas démarré" >&2
    rm -f "$fichier_numero"
    return 1
  fi
  export DISPLAY=":$(tr -d '\n' <"$fichier_numero")"
  export QT_QPA_PLATFORM=xcb
  rm -f "$fichier_numero"
}

arreter_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# Prépare un essai du vrai programme : une copie temporaire du dossier du programme dans
# COPIE (les scores du dossier d'origine ne sont jamais touchés), un serveur Xvfb, et le
# ménage à la sortie du script (programme lancé dont le numéro est dans PROGRAMME, serveur,
# copie).
preparer_essai() {
  COPIE=$(mktemp -d)
  PROGRAMME=
  trap nettoyer_essai EXIT
  cp -r "$1"/. "$COPIE"/
  demarrer_xvfb
}

nettoyer_essai() {
  if [ -n "${PROGRAMME:-}" ]; then kill "$PROGRAMME" 2>/dev/null || true; fi
  arreter_xvfb
  rm -rf "$COPIE"
}
