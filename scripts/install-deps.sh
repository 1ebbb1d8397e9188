#!/usr/bin/env bash
# Installs what building and testing Tamarind needs on Debian 12. Safe to run again.
set -euo pipefail

packages=(
  cmake g++ make googletest libbenchmark-dev clang libclang-rt-14-dev zlib1g-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386
  xvfb xdotool imagemagick x11-utils fonts-ipafont-gothic
  fuse3 python3-fusepy
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
sudo_if_needed apt-get update -q
sudo_if_needed apt-get install -y -q --no-install-recommends "${missing[@]}"
