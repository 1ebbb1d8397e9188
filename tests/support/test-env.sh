#!/usr/bin/env bash
# Starts or stops what the Windows tests of one build tree need: a Wine prefix (made once and
# kept), a persistent wineserver and an Xvfb display of their own.
# Usage: test-env.sh start|stop <build-dir>
set -euo pipefail
action=$1
build_dir=$(cd "$2" && pwd)
state="$build_dir/test-env"
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all

make_prefix() {
  [ -f "$WINEPREFIX/.tamarind-ready" ] && return
  rm -rf "$WINEPREFIX"
  DISPLAY= wineboot -i >/dev/null 2>&1
  local nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
  # Japanese text needs the IPA font behind the fonts Windows programs ask for.
  wine reg add "$nt\\FontLink\\SystemLink" /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1
  wine reg add "$nt\\FontSubstitutes" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tamarind-ready"
}

start_display() {
  mkdir -p "$state"
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$state/display.tmp" 2>/dev/null &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/display.tmp" ] && break
    sleep 0.1
  done
  [ -s "$state/display.tmp" ] || { echo "Xvfb did not start" >&2; exit 1; }
  tr -d '\n' <"$state/display.tmp" >"$state/display"
  rm -f "$state/display.tmp"
}

stop_all() {
  wineserver -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$state"
}

case $action in
  start)
    stop_all
    make_prefix
    start_display
    # Keeps Wine warm between test programs; no inherited output, or ctest waits for it.
    export DISPLAY=":$(cat "$state/display")"
    wineserver -p </dev/null >/dev/null 2>&1
    # Start the prefix's background services now, with no inherited output; a test program
    # that started them would hand them ctest's pipes and ctest would wait for them.
    wineboot </dev/null >/dev/null 2>&1
    ;;
  stop) stop_all ;;
  *) echo "usage: $0 start|stop <build-dir>" >&2; exit 2 ;;
esac
