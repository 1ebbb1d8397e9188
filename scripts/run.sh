#!/usr/bin/env bash
# Builds the 64-bit Release tamarind.exe and starts it under Wine. On a desktop with X it shows
# in the tray (or Wine's tray window); with no display it starts Xvfb first and says so.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake --preset windows-x64 -S "$root" >/dev/null
cmake --build --preset windows-x64 --target tamarind

build="$root/build/windows-x64"
"$root/cmake/wine-prefix.sh" "$build" run-prefix
# Tamarind speaks the language of your locale: Japanese for ja_JP, English otherwise.
export TAMARIND_UI_LOCALE=${LC_ALL:-${LC_MESSAGES:-${LANG:-C.UTF-8}}}
source "$root/cmake/wine-env.sh" "$build" run-prefix

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  display=$("$root/cmake/xvfb-start.sh" "$build/run-display")
  export DISPLAY=":$display"
  trap 'kill "$(cat "$build/run-display/xvfb.pid")" 2>/dev/null || true' EXIT
  echo "No X display found: started Xvfb on $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)."
fi

echo "Starting Tamarind (menu folder: $build/bin/Menu). Quit it from its tray menu."
wine "$build/bin/tamarind.exe"
