#!/usr/bin/env bash
# Starts or stops what the Windows tests of one build tree need: Wine prefixes (made once and
# kept), a persistent wineserver for each, and an Xvfb display of their own.
# Tests that need a Japanese system get a prefix of their own ("wineprefix-ja", chosen by
# TAMARIND_PREFIX_NAME): switching one prefix's locale makes Wine rewrite its font links, and
# every later test would draw Japanese as boxes.
# Usage: test-env.sh start|stop <build-dir>
set -euo pipefail
action=$1
build_dir=$(cd "$2" && pwd)
state="$build_dir/test-env"
tools="$(cd "$(dirname "$0")/../../cmake" && pwd)"
source "$tools/wine-env.sh" "$build_dir"
export WINEDEBUG=-all

# Runs a command once for each prefix: the command is given the prefix's name and the locale
# that prefix lives in (only Wine's own programs get that locale; the shell has no Japanese one).
for_each_prefix() {
  "$@" wineprefix C.UTF-8
  "$@" wineprefix-ja ja_JP.UTF-8
}

prepare_prefix() {
  local prefix=$build_dir/$1 locale=$2
  "$tools/wine-prefix.sh" "$build_dir" "$1" "$locale"
  # Keeps Wine warm between test programs; no inherited output, or ctest waits for it.
  env WINEPREFIX="$prefix" LC_ALL="$locale" wineserver -p </dev/null >/dev/null 2>&1
  # Start the prefix's background services now, with no inherited output; a test program
  # that started them would hand them ctest's pipes and ctest would wait for them.
  env WINEPREFIX="$prefix" LC_ALL="$locale" "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
}

stop_wine() { WINEPREFIX=$build_dir/$1 wineserver -k 2>/dev/null || true; }

stop_all() {
  for_each_prefix stop_wine
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$state"
}

case $action in
  start)
    stop_all
    export DISPLAY=":$("$tools/xvfb-start.sh" "$state")"
    for_each_prefix prepare_prefix
    ;;
  stop) stop_all ;;
  *) echo "usage: $0 start|stop <build-dir>" >&2; exit 2 ;;
esac
