#!/usr/bin/env bash
# ini_kill_test.sh <ini_save_loop.exe> <build-dir>: kills a program in the middle of saving its
# INI file, over and over, and checks that the file is always whole: never missing, empty or
# cut short, and always one save's content.
set -euo pipefail
exe=$1 build_dir=$2
source "$(dirname "$0")/../../../cmake/wine-env.sh" "$build_dir" wineprefix
work=$(mktemp -d "$build_dir/ini-kill.XXXXXX")
# The copy's name appears in no other command line, so the kill finds only this slot's saver.
saver_pattern='(^|[\\/])saver[.]exe'
kill_saver() { kill -9 $(prefix_pids "$saver_pattern") 2>/dev/null || true; }
trap 'kill_saver; rm -rf "$work"' EXIT
cp "$exe" "$work/saver.exe"
ini="$work/settings.ini"

# Prints the counter of a whole file, or fails saying what is wrong with it.
check_whole() {
  python3 - "$ini" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
if not data: sys.exit("empty file")
text = data.decode('cp932')  # a torn multi-byte character fails here
first = re.search(r'^\[Menu\]\r\nCount=(\d+)\r\n', text, re.M)
last = re.search(r'\[Tail\]\r\nCount=(\d+)\r\n$', text)
if not first or not last: sys.exit("cut short or malformed: %d bytes" % len(data))
if first.group(1) != last.group(1): sys.exit("two saves mixed: %s/%s" % (first.group(1), last.group(1)))
if text.count('Key') != 12: sys.exit("keys missing")
print(first.group(1))
PY
}

rounds=25
previous=0
for round in $(seq $rounds); do
  (cd "$work" && exec "$WINELOADER" saver.exe "$ini" </dev/null >/dev/null 2>&1) &
  # Once it runs, let it save for a while; the first round must see a save before the kill.
  for _ in $(seq 300); do [ -n "$(prefix_pids "$saver_pattern")" ] && break; sleep 0.1; done
  sleep "0.$((RANDOM % 7 + 3))"
  [ "$round" -gt 1 ] || for _ in $(seq 100); do [ -s "$ini" ] && break; sleep 0.1; done
  kill_saver
  wait 2>/dev/null || true
  [ -e "$ini" ] || { echo "FAIL: round $round: the INI file is gone"; exit 1; }
  count=$(check_whole) || { echo "FAIL: round $round: $count"; exit 1; }
  [ "$count" -ge "$previous" ] || { echo "FAIL: round $round: older content $count after $previous"; exit 1; }
  previous=$count
done
echo "the file was whole after each of $rounds kills (last save $previous)"
