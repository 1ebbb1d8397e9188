# Shared by the end-to-end tests: run the real tamarind.exe from a fresh folder under the
# build tree's Wine prefix and test display.
# Usage from a test: source lib.sh <tamarind.exe> <build-dir>
set -euo pipefail
exe_source=$1
build_dir=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine-env.sh" "$build_dir" wineprefix

work=$(mktemp -d "$build_dir/e2e.XXXXXX")
cp "$exe_source" "$work/tamarind.exe"
tamarind_pids=()

cleanup() {
  for pid in "${tamarind_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts tamarind.exe in the background; its pid lands in $last_pid.
start_tamarind() {
  (cd "$work" && exec "$WINELOADER" tamarind.exe </dev/null >/dev/null 2>>"$build_dir/e2e-wine.log") &
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

# Number of running tamarind.exe processes (Wine shows a 32-bit process under its exe name,
# a 64-bit one under its full path).
# Running tamarind.exe processes of this Wine prefix (other trees' programs may run beside).
tamarind_count() {
  local pid count=0
  for pid in $(pgrep -f '(^|\\)tamarind\.exe$'); do
    tr '\0' '\n' </proc/"$pid"/environ 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && count=$((count + 1))
  done
  echo "$count"
}

# Wine's own notification area (shown when the desktop has none), once it is on screen.
tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | sed -n 1p || true; }

# Visible windows of tamarind.exe larger than the hidden 1 x 1 main window: open menus.
menu_windows() {
  local window
  for window in $(xdotool search --onlyvisible --class tamarind.exe 2>/dev/null); do
    xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1x1$' || echo "$window"
  done
}

# The first open menu. (Not "| head -1": with pipefail, head leaving early can kill the
# writer with SIGPIPE, and errexit then ends the test without a word.)
first_menu_window() { menu_windows | sed -n 1p; }

# Saves a screenshot of the test display into the build tree, for people to look at.
screenshot() { import -window root "$build_dir/e2e-$1.png"; }

# Clicks the tray icon with button $1 until a menu shows (the tray window may be on screen a
# moment before the icon is in it, and icons left behind by ended test programs may stand
# before ours until Wine notices); fails after about 30 seconds.
click_tray_icon_for_menu() {
  local button=$1 tray x
  for _ in $(seq 3); do
    for x in 10 34 58 82; do
      tray=$(tray_window)
      [ -n "$tray" ] && xdotool mousemove --window "$tray" "$x" 10 click "$button"
      wait_for '[ -n "$(menu_windows)" ]' 2 && return 0
    done
  done
  screenshot no-menu
  fail "clicking the tray icon with button $button showed no menu"
}

# Opens the settings dialog "表示の設定" with a click on the command menu's first item; its X
# window lands in $dialog.
open_settings_dialog() {
  local menu
  click_tray_icon_for_menu 1
  menu=$(first_menu_window)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove $((X + 30)) $((Y + 12)) click 1
  wait_for '[ -n "$(xdotool search --onlyvisible --name "^表示の設定$")" ]' 10 || fail "the first command opened no settings dialog"
  dialog=$(xdotool search --onlyvisible --name "^表示の設定$" | sed -n 1p)
  sleep 0.5
}

# Opens the command menu from the tray icon and chooses "終了(&X)" by its mnemonic (the grey
# version line below it takes no click); waits until process $1 has ended and checks its exit
# code.
exit_via_tray_menu() {
  local pid=$1
  click_tray_icon_for_menu 1
  xdotool key x
  wait_for '! kill -0 "$pid" 2>/dev/null' 15 || fail "choosing the exit item did not end the program"
  wait "$pid" || fail "tamarind ended with code $?"
}

# Waits until every cmd.exe and console host has ended: a batch file lives on a moment after
# its marker appears, and its console then takes the foreground, closing the next menu opened
# or swallowing the keys meant for it.
wait_for_console_programs_to_end() {
  wait_for '! ps -eo args= | grep -qiE "(^|\\\\)(cmd|conhost)[.]exe( |$)"' 15 || fail "a batch file's console is still running"
}

# Draws $4 turns of a circle of radius 60 around ($1, $2), clockwise when $3 is 1 and
# anticlockwise when it is -1: 24 points a turn, 40 ms apart (the detector samples every 50 ms).
draw_circle() {
  xdotool mousemove "$1" "$2" sleep 0.3
  xdotool $(awk -v cx="$1" -v cy="$2" -v sense="$3" -v turns="$4" 'BEGIN {
    pi = atan2(0, -1)
    for (k = 0; k <= 24 * turns; k++) {
      a = sense * 2 * pi * k / 24
      printf "mousemove %d %d sleep 0.04 ", cx + 60 * cos(a), cy + 60 * sin(a)
    }
  }')
}

# Fails with $2 if a menu is open after $1 seconds.
no_menu_after() {
  sleep "$1"
  [ -z "$(menu_windows)" ] || fail "$2"
}
