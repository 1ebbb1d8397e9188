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
tools="$(cd "$(dirname "$0")/../../cmake" && pwd)"

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
    "$tools/wine-prefix.sh" "$WINEPREFIX"
    # Keeps Wine warm between test programs; no inherited output, or ctest waits for it.
    export DISPLAY=":$("$tools/xvfb-start.sh" "$state")"
    wineserver -p </dev/null >/dev/null 2>&1
    # Start the prefix's background services now, with no inherited output; a test program
    # that started them would hand them ctest's pipes and ctest would wait for them.
    wineboot </dev/null >/dev/null 2>&1
    ;;
  stop) stop_all ;;
  *) echo "usage: $0 start|stop <build-dir>" >&2; exit 2 ;;
esac
