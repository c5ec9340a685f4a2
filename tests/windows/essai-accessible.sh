# À sourcer en tête d'un essai du vrai programme écouté sur le bus d'accessibilité (AT-SPI) :
# le script se relance d'abord dans son propre bus de session, puis
# preparer_essai_accessible <dossier du programme> fait la copie du programme, Xvfb, une maison
# temporaire (HOME et dossiers XDG : aucune donnée de joueur n'est touchée) et le bus
# d'accessibilité, tous arrêtés à la sortie.
if [ -z "${LECTEUR_BUS_PRIVE:-}" ]; then
  export LECTEUR_BUS_PRIVE=1
  exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb-libre.sh"

preparer_essai_accessible() {
  preparer_essai "$1"
  local maison=$COPIE/maison
  mkdir -p "$maison"
  export HOME=$maison XDG_CONFIG_HOME=$maison/.config XDG_DATA_HOME=$maison/.local/share
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  BUS=$!
  trap 'kill $BUS 2>/dev/null; nettoyer_essai' EXIT
  sleep 0.5
}
