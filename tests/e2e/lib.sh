# Shared by the end-to-end tests: run the real tamarind.exe from a fresh folder under the
# build tree's Wine prefix and test display.
# Usage from a test: source lib.sh <tamarind.exe> <build-dir>
set -euo pipefail
exe_source=$1
build_dir=$2
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export DISPLAY=":$(cat "$build_dir/test-env/display")"

work=$(mktemp -d "$build_dir/e2e.XXXXXX")
cp "$exe_source" "$work/tamarind.exe"
tamarind_pids=()

cleanup() {
  for pid in "${tamarind_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine taskkill /f /im tamarind.exe </dev/null >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts tamarind.exe in the background; its pid lands in $last_pid.
start_tamarind() {
  (cd "$work" && exec wine tamarind.exe </dev/null >/dev/null 2>&1) &
  last_pid=$!
  tamarind_pids+=("$last_pid")
}

# Waits up to $2 seconds for a command to succeed.
wait_for() {
  local command=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    eval "$command" && return 0
    sleep 0.1
  done
  return 1
}

# X windows of Wine's windows with this title.
windows_named() { xdotool search --name "^$1\$" 2>/dev/null || true; }

# Number of running tamarind.exe processes (Wine shows a process under its exe name).
tamarind_count() { ps -eo args= | grep -ci '^tamarind\.exe$' || true; }

# Wine's own notification area (shown when the desktop has none), once it is on screen.
tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1; }

# Visible windows of tamarind.exe larger than the hidden 1 x 1 main window: open menus.
menu_windows() {
  local window
  for window in $(xdotool search --onlyvisible --class tamarind.exe 2>/dev/null); do
    xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1x1$' || echo "$window"
  done
}

# Saves a screenshot of the test display into the build tree, for people to look at.
screenshot() { import -window root "$build_dir/e2e-$1.png"; }
