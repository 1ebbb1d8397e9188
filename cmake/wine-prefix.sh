#!/usr/bin/env bash
# Makes a build tree's Wine prefix ready for Tamarind once (Japanese fonts mapped) and leaves it
# for reuse.
# Usage: wine-prefix.sh <build-dir> <prefix-name> [locale the prefix's programs run under]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1" "$2"
export WINEDEBUG=-all
# Only Wine's own programs get the locale: the shell may have no Japanese one.
locale=${3:-${LC_ALL:-C.UTF-8}}
wine() { env LC_ALL="$locale" "$WINELOADER" "$@"; }
[ -f "$WINEPREFIX/.tamarind-ready" ] && exit 0
rm -rf "$WINEPREFIX"
DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
# Japanese text needs the IPA font behind the fonts Windows programs ask for.
wine reg add "$nt\\FontLink\\SystemLink" /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f </dev/null >/dev/null 2>&1
wine reg add "$nt\\FontSubstitutes" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.tamarind-ready"
