#!/usr/bin/env bash
# Makes a Wine prefix ready for Tamarind once (Japanese fonts mapped) and leaves it for reuse.
# The build tree's own prefixes, "wineprefix" and "wineprefix-ja", are booted; any other prefix
# is a copy of the booted one of its locale, which takes a second instead of twenty.
# Usage: wine-prefix.sh <build-dir> <prefix-dir> [locale the prefix's programs run under]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
build_dir=$(cd "$1" && pwd)
export WINEPREFIX=$2
export WINEDEBUG=-all
# Only Wine's own programs get the locale: the shell may have no Japanese one.
locale=${3:-${LC_ALL:-C.UTF-8}}
# Test slots make their prefixes at once: one makes a prefix, the others wait for it.
exec {lock}>"$WINEPREFIX.lock"
flock "$lock"
[ -f "$WINEPREFIX/.tamarind-ready" ] && exit 0
rm -rf "$WINEPREFIX" "$WINEPREFIX.tmp"

case $locale in
  ja_*) template=$build_dir/wineprefix-ja ;;
  *) template=$build_dir/wineprefix ;;
esac
if [ "$WINEPREFIX" != "$template" ]; then
  "$0" "$1" "$template" "$locale"
  # Whole or not at all: the copy carries the template's ready mark.
  cp -a "$template" "$WINEPREFIX.tmp"
  mv "$WINEPREFIX.tmp" "$WINEPREFIX"
  exit 0
fi

wine() { env LC_ALL="$locale" "$WINELOADER" "$@"; }
DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
# Japanese text needs the IPA font behind the fonts Windows programs ask for.
wine reg add "$nt\\FontLink\\SystemLink" /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f </dev/null >/dev/null 2>&1
wine reg add "$nt\\FontSubstitutes" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.tamarind-ready"
