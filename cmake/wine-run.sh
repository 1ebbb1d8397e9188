#!/usr/bin/env bash
# Runs a Windows test program under Wine with its build tree's prefix and test display.
# Usage: wine-run.sh <build-dir> <program.exe> [args...]
set -euo pipefail
build_dir=$1; shift
export WINEPREFIX="$build_dir/${TAMARIND_PREFIX_NAME:-wineprefix}"
export WINEDEBUG=${WINEDEBUG:--all}
if [ -f "$build_dir/test-env/display" ]; then
  export DISPLAY=":$(cat "$build_dir/test-env/display")"
fi
exec wine "$@"
