#!/usr/bin/env bash
# Idle cost of the launcher: CPU time over 60 s with the pointer at rest, of tamarind.exe and
# of a bare message loop with and without the gesture timer's 50 ms timer, in one run. Each
# figure is the process's user + system time plus the prefix wineserver's over the same time.
# Usage: bench/idle_cpu.sh <build-dir> [seconds]   (after tests/support/test-env.sh start)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
seconds=${2:-60}
source "$(dirname "$0")/../cmake/wine-env.sh" "$build_dir" wineprefix
ticks_per_second=$(getconf CLK_TCK)
work=$(mktemp -d "$build_dir/idle.XXXXXX")
cp "$build_dir/bin/tamarind.exe" "$build_dir/bench/bench_idle_loop.exe" "$work/"
running=""
cleanup() {
  [ -n "$running" ] && kill "$running" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# utime + stime of process $1, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

wineserver_pid() {
  local pid
  for pid in $(pgrep -x wineserver64 || pgrep -x wineserver); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}

# Starts `$@` under Wine in the work folder, lets it settle, runs the set-up command $prepare, then
# prints the CPU milliseconds the program and the wineserver used over the measured time.
measure() {
  local label=$1; shift
  (cd "$work" && exec "$WINELOADER" "$@" </dev/null >/dev/null 2>&1) &
  running=$!
  sleep 5
  eval "$prepare"
  local server; server=$(wineserver_pid)
  local own0 server0 own1 server1
  own0=$(cpu_ticks "$running"); server0=$(cpu_ticks "$server")
  sleep "$seconds"
  own1=$(cpu_ticks "$running"); server1=$(cpu_ticks "$server")
  kill "$running"; wait "$running" 2>/dev/null || true; running=""
  sleep 1
  printf '%-44s %6d ms  (program %d, wineserver %d)\n' "$label" \
    $(((own1 - own0 + server1 - server0) * 1000 / ticks_per_second)) \
    $(((own1 - own0) * 1000 / ticks_per_second)) $(((server1 - server0) * 1000 / ticks_per_second))
}

tray() { xdotool search --onlyvisible --name '^Wine System Tray$' | sed -n 1p; }

echo "CPU time over $seconds s with the pointer at rest:"
prepare='xdotool mousemove 900 700'
measure "a) bare loop, no timer" bench_idle_loop.exe
measure "b) bare loop, 50 ms timer" bench_idle_loop.exe 50
measure "c) tamarind, pointer over empty screen" tamarind.exe
# Moves over a window of Wine reach the low-level hook: it has seen every move, and the
# pointer rests where it saw it go.
prepare='tray=$(tray); xdotool mousemove --window "$tray" 40 10 sleep 0.3 mousemove --window "$tray" 60 12 sleep 1'
measure "d) tamarind, hook has seen the pointer move" tamarind.exe
