#!/usr/bin/env bash
# Starts or stops what the Windows tests of one build tree need, for each test slot: an Xvfb
# display, Wine prefixes (made once and kept) and a persistent wineserver for each prefix.
# Tests that need a Japanese system get a prefix of their own ("wineprefix-ja", chosen by
# TAMARIND_PREFIX_NAME): switching one prefix's locale makes Wine rewrite its font links, and
# every later test would draw Japanese as boxes.
# "prepare" only makes the prefixes, so that a test run can have them made while it builds.
# Usage: test-env.sh prepare|start|stop <build-dir> [slots, by default those of test-slots.json]
#        test-env.sh start-one|stop-one <build-dir> <slot>
set -euo pipefail
action=$1
build_dir=$(cd "$2" && pwd)
tools="$(cd "$(dirname "$0")/../../cmake" && pwd)"
slots=${3:-$(grep -c '"id"' "$(dirname "$0")/test-slots.json")}
source "$tools/wine-env.sh" "$build_dir"
export WINEDEBUG=-all

# Runs a command once for each prefix: the command is given the prefix's name and the locale
# that prefix lives in (only Wine's own programs get that locale; the shell has no Japanese one).
for_each_prefix() {
  "$@" wineprefix C.UTF-8
  "$@" wineprefix-ja ja_JP.UTF-8
}

make_prefix() { "$tools/wine-prefix.sh" "$build_dir" "$slot_dir/$1" "$2"; }

start_prefix() {
  local prefix=$slot_dir/$1 locale=$2
  # Keeps Wine warm between test programs; no inherited output, or ctest waits for it.
  env WINEPREFIX="$prefix" LC_ALL="$locale" wineserver -p </dev/null >/dev/null 2>&1
  # Start the prefix's background services now, with no inherited output; a test program
  # that started them would hand them ctest's pipes and ctest would wait for them.
  env WINEPREFIX="$prefix" LC_ALL="$locale" "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
}

start_slot() {
  slot_dir=$(test_slot_dir "$build_dir" "$1")
  DISPLAY=":$("$tools/xvfb-start.sh" "$slot_dir")"
  export DISPLAY
  for_each_prefix start_prefix
}

# Both prefixes are booted once, side by side; each slot then takes copies.
prepare_slots() {
  boot_prefix() { "$tools/wine-prefix.sh" "$build_dir" "$build_dir/$1" "$2" & }
  for_each_prefix boot_prefix
  wait_all
  for ((slot = 0; slot < slots; slot++)); do
    (slot_dir=$(test_slot_dir "$build_dir" "$slot") && mkdir -p "$slot_dir" && for_each_prefix make_prefix) &
  done
  wait_all
}

# Every prefix a slot holds, the ones single tests make for themselves included.
stop_slot() {
  local slot_dir=$1 prefix
  for prefix in "$slot_dir"/*/; do
    [ -f "$prefix/.tamarind-ready" ] && { WINEPREFIX=${prefix%/} wineserver -k 2>/dev/null || true; }
  done
  if [ -f "$slot_dir/xvfb.pid" ]; then
    kill "$(cat "$slot_dir/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$slot_dir/xvfb.pid" "$slot_dir/display"
}

stop_all() {
  local slot_dir
  for slot_dir in "$build_dir"/slot*/; do
    [ -d "$slot_dir" ] && stop_slot "${slot_dir%/}"
  done
  return 0
}

# Waits for every background job and fails if one failed.
wait_all() {
  local pid failed=0
  for pid in $(jobs -p); do wait "$pid" || failed=1; done
  return $failed
}

case $action in
  prepare) prepare_slots ;;
  start)
    stop_all
    prepare_slots
    for ((slot = 0; slot < slots; slot++)); do start_slot "$slot" & done
    wait_all
    ;;
  stop) stop_all ;;
  # One slot by itself, beside the others: its number is the third argument.
  start-one)
    slot_dir=$(test_slot_dir "$build_dir" "$3")
    mkdir -p "$slot_dir"
    for_each_prefix make_prefix
    start_slot "$3"
    ;;
  stop-one) stop_slot "$(test_slot_dir "$build_dir" "$3")" ;;
  *) echo "usage: $0 prepare|start|stop <build-dir> [slots] | start-one|stop-one <build-dir> <slot>" >&2; exit 2 ;;
esac
