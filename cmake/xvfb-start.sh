#!/usr/bin/env bash
# Starts an Xvfb display of its own; writes its number to <state-dir>/display and its process
# to <state-dir>/xvfb.pid, and prints the number.
# Usage: xvfb-start.sh <state-dir>
set -euo pipefail
state=$1
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
cat "$state/display"
