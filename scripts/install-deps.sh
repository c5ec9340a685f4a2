#!/usr/bin/env bash
# Installe les paquets Debian dont le projet a besoin, s'il en manque. Rapide quand tout est là.
set -euo pipefail

# Le greffon SVG des images (libqsvg.so) est dans libqt6svg6 sous Debian 12, dans son propre
# paquet depuis Debian 13.
if apt-cache show qt6-svg-plugins >/dev/null 2>&1; then
  greffon_svg=qt6-svg-plugins
else
  greffon_svg=libqt6svg6
fi

paquets=(
  cmake g++ make build-essential pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  qt6-image-formats-plugins "$greffon_svg"
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libsqlcipher-dev sqlcipher nettle-dev libicu-dev
  libx11-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick
  fonts-liberation2 fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev debhelper xz-utils file
  at-spi2-core python3-pyatspi dbus-daemon
)

manquants=()
for paquet in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed' \
    || manquants+=("$paquet")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation de : ${manquants[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
