#!/usr/bin/env bash
# Installs what building and testing Tamarind needs on Debian 12. Safe to run again.
set -euo pipefail

packages=(
  cmake g++ make googletest libbenchmark-dev clang libclang-rt-14-dev zlib1g-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386
  xvfb xdotool imagemagick x11-utils fonts-ipafont-gothic
  fuse3 python3-fusepy locales
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The tests run the program with a Japanese UI language, which Wine takes from LC_MESSAGES;
# a locale that was never generated gives English without a word.
japanese_locale() {
  locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && return 0
  sudo_if_needed sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  sudo_if_needed locale-gen >/dev/null
}
trap 'japanese_locale' EXIT

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror being synced fails one index now and then; what did come is enough to install from,
# and the install itself says so if not.
for attempt in 1 2 3; do
  sudo_if_needed apt-get update -q && break
  echo "apt-get update failed (attempt $attempt of 3)." >&2
  sleep $((attempt * 5))
done
install() { sudo_if_needed apt-get install -y -q --no-install-recommends "$@"; }
install "${missing[@]}" && exit 0
# An i386 index missing from the mirror leaves 32-bit Wine out of reach; everything else still
# installs, and the 32-bit tests then say in one line that they were skipped.
others=()
for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || others+=("$p"); done
[ ${#others[@]} -lt ${#missing[@]} ] || exit 1
echo "32-bit Wine could not be installed; installing the rest without it." >&2
[ ${#others[@]} -eq 0 ] || install "${others[@]}"
