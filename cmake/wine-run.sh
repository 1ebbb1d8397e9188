#!/usr/bin/env bash
# Runs a Windows test program under Wine with its build tree's prefix and test display.
# Under Wine a program very rarely dies as it starts: it fails within a few seconds, before
# main, without writing a byte. Such a death, and only it, gets one more run; it is written to
# the tree's test-retries.log, which the test command prints at its end.
# Usage: wine-run.sh <build-dir> <program.exe> [args...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
build_dir=$1
shift
output=$(mktemp)
trap 'rm -f "$output"' EXIT

run() {
  local started=$SECONDS
  set +e
  "$WINELOADER" "$@" 2>&1 | tee "$output"
  status=${PIPESTATUS[0]}
  set -e
  elapsed=$((SECONDS - started))
}

run "$@"
if [ "$status" -ne 0 ] && [ "$elapsed" -le 5 ] && [ ! -s "$output" ]; then
  echo "$(basename "$1"): died as it started (exit code $status after ${elapsed} s, no output); ran again" \
    >>"$build_dir/test-retries.log"
  run "$@"
fi
exit "$status"
