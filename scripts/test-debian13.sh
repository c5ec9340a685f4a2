#!/usr/bin/env bash
# "make test" sur une Debian 13 minimale, comme la trouverait un nouveau joueur : un chroot
# debootstrap fait une fois et gardé hors du dépôt (KALVORO_CHROOT), une copie de l'arbre de
# travail, puis les deux étapes du README (installer make, "make test"). Le code de sortie est
# celui de "make test". Demande root (debootstrap, chroot, montages).
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
chroot_dir=${KALVORO_CHROOT:-/var/cache/kalvoro/trixie}
miroir=${KALVORO_MIROIR:-http://deb.debian.org/debian}
# Le cache de ccache du chroot, hors du dépôt lui aussi : une reprise ne recompile que le changé.
ccache_dir=${KALVORO_CCACHE_TRIXIE:-$(dirname "$chroot_dir")/ccache-trixie}
cible=/root/kalvoro

[ "$(id -u)" -eq 0 ] || { echo "make test-debian13 demande root (sudo make test-debian13)" >&2; exit 2; }

creer_chroot() {
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  mkdir -p "$(dirname "$chroot_dir")"
  rm -rf "$chroot_dir.creation"
  echo "Création du chroot Debian 13 dans $chroot_dir (une seule fois, quelques minutes)"
  debootstrap --variant=minbase trixie "$chroot_dir.creation" "$miroir"
  mv "$chroot_dir.creation" "$chroot_dir"
}

montages=()
monter() {
  mkdir -p "$chroot_dir$2"
  mount "${@:3}" "$1" "$chroot_dir$2"
  montages=("$chroot_dir$2" "${montages[@]}")
}

demonter() {
  for point in "${montages[@]}"; do umount -l "$point" 2>/dev/null || true; done
}

# L'arbre de travail tel qu'un clone le donnerait (fichiers suivis et nouveaux non ignorés),
# sans les constructions de l'hôte.
copier_sources() {
  rm -rf "$chroot_dir$cible"
  mkdir -p "$chroot_dir$cible"
  (cd "$racine" && git ls-files -z --cached --others --exclude-standard \
    | xargs -0 -I{} sh -c '[ -e "$1" ] && printf "%s\0" "$1"' _ {} \
    | tar --null -T - -cf -) | tar -xf - -C "$chroot_dir$cible"
}

[ -d "$chroot_dir" ] || creer_chroot
trap demonter EXIT
monter proc /proc -t proc
monter sysfs /sys -t sysfs
monter /dev /dev --bind
monter devpts /dev/pts -t devpts -o newinstance,ptmxmode=0666
monter tmpfs /dev/shm -t tmpfs
mkdir -p "$ccache_dir"
monter "$ccache_dir" /var/cache/ccache --bind
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
copier_sources

# Première étape du README sur un système sans make, puis la seconde. ccache n'est qu'une aide
# du banc d'essai : il ne change rien à ce qui est construit.
chroot "$chroot_dir" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive PRESET="${PRESET:-ci}" JOBS="${JOBS:-2}" \
  CCACHE_DIR=/var/cache/ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache \
  bash -euc "
    apt-get update -qq
    command -v make >/dev/null || apt-get install -y -qq --no-install-recommends make
    command -v ccache >/dev/null || apt-get install -y -qq --no-install-recommends ccache
    . /etc/os-release; echo \"== \$PRETTY_NAME\"
    cd $cible && make test PRESET=\$PRESET JOBS=\$JOBS
  "
