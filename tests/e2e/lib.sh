# The steps of the end-to-end tests, each written once: run the real tamarind.exe from a fresh
# folder under the test slot's Wine prefix and display, and drive it as a person would.
# Usage from a test: source lib.sh <tamarind.exe> <build-dir>
set -euo pipefail
exe_source=$1
build_dir=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine-env.sh" "$build_dir" wineprefix
test_name=$(basename "$0" .sh)

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

# Waits up to $2 seconds for a command to succeed.
wait_for() {
  local command=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    eval "$command" && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to $2 ms for a command to succeed, checking every 20 ms; the time it took lands in
# $took.
timed_wait() {
  local command=$1 limit=$2 start
  start=$(date +%s%3N)
  while :; do
    took=$(($(date +%s%3N) - start))
    eval "$command" && return 0
    [ "$took" -le "$limit" ] || return 1
    sleep 0.02
  done
}

# Starts tamarind.exe (with arguments $@) in the background; its pid lands in $last_pid.
launch_tamarind() {
  (cd "$work" && exec "$WINELOADER" tamarind.exe "$@" </dev/null >/dev/null 2>>"$build_dir/e2e-wine.log") &
  last_pid=$!
  tamarind_pids+=("$last_pid")
}

# Starts tamarind.exe and waits for the notification area; its pid lands in $pid. Under Wine a
# program very rarely dies as it starts: a start that ends with an error within 5 s, before
# the notification area shows, gets one more try and is written to the tree's retry log.
# Once the icon shows, the menu folder is still being read on a worker, and nothing outside
# tells when that is done: a second more.
start_tamarind() {
  local started status attempt
  for attempt in 1 2; do
    started=$SECONDS
    launch_tamarind "$@"
    pid=$last_pid
    wait_for '[ -n "$(tray_window)" ] || ! kill -0 "$pid" 2>/dev/null' 60 || fail "no icon in the notification area"
    if [ -n "$(tray_window)" ]; then
      sleep 1
      return 0
    fi
    status=0
    wait "$pid" || status=$?
    [ "$status" -ne 0 ] && [ $((SECONDS - started)) -le 5 ] && [ "$attempt" = 1 ] || break
    echo "$test_name: tamarind.exe died as it started (exit code $status); started again" >>"$build_dir/test-retries.log"
  done
  fail "tamarind.exe ended with code $status before its icon showed"
}

# X windows of Wine's windows with this title.
windows_named() { xdotool search --name "^$1\$" 2>/dev/null || true; }

# Running tamarind.exe processes of this slot (Wine shows a 32-bit process under its exe name, a
# 64-bit one under its full path).
tamarind_count() { prefix_pids '(^|\\)tamarind\.exe$' | wc -l; }

# Wine's own notification area (shown when the desktop has none), once it is on screen.
tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | sed -n 1p || true; }

# Visible windows that `xdotool search` finds with arguments $@, the hidden 1 x 1 main window
# aside.
shown_windows() {
  local window
  for window in $(xdotool search --onlyvisible "$@" 2>/dev/null); do
    xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1x1$' || echo "$window"
  done
}
# Open menus: windows of tamarind.exe.
menu_windows() { shown_windows --class tamarind.exe; }
# Message boxes: windows titled "Tamarind".
message_boxes() { shown_windows --name '^Tamarind$'; }


# The first open menu. (Not "| head -1": with pipefail, head leaving early can kill the
# writer with SIGPIPE, and errexit then ends the test without a word.)
first_menu_window() { menu_windows | sed -n 1p; }

# Saves a screenshot of the test display into the build tree, for people to look at.
# A grab of the display that never returns says so and lets the test go on.
screenshot() {
  timeout 20 import -silent -window root "$build_dir/e2e-$1.png" || echo "$test_name: no screenshot $1 within 20 s" >&2
}

# Clicks the tray icon with button $1 until a menu shows (the tray window may be on screen a
# moment before the icon is in it, and icons left behind by ended test programs may stand
# before ours until Wine notices); fails after about 30 seconds. The menu lands in $menu, its
# place and size in X, Y, WIDTH and HEIGHT, the milliseconds from the click in $took.
click_tray_icon_for_menu() {
  local button=$1 tray x
  for _ in $(seq 3); do
    for x in 10 34 58 82; do
      tray=$(tray_window)
      [ -n "$tray" ] && xdotool mousemove --window "$tray" "$x" 10 click "$button"
      if timed_wait '[ -n "$(menu_windows)" ]' 2000; then
        menu=$(first_menu_window)
        eval "$(xdotool getwindowgeometry --shell "$menu")"
        return 0
      fi
    done
  done
  screenshot no-menu
  fail "clicking the tray icon with button $button showed no menu"
}
open_launcher_menu() { click_tray_icon_for_menu 3; }
open_command_menu() { click_tray_icon_for_menu 1; }

# Opens the launcher menu again and again until condition $1 (on X, Y, WIDTH and HEIGHT) holds,
# for at most $2 seconds: the menu is rebuilt about a second after its folder changes. Leaves
# the menu open.
open_launcher_menu_until() {
  local until=$((SECONDS + $2))
  while :; do
    open_launcher_menu
    eval "$1" && return 0
    [ $SECONDS -lt "$until" ] || return 1
    close_menus
    sleep 0.5  # a click right after a menu closed may go to the closing menu
  done
}

# Presses Escape $1 times (once by default) and waits until no menu is open.
close_menus() {
  local presses=${1:-1}
  for _ in $(seq "$presses"); do xdotool key Escape; done
  wait_for '[ -z "$(menu_windows)" ]' 5 || fail "Escape did not close the menu"
}

# The Windows path of Linux path $1.
windows_path() { "$WINELOADER" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# The settings dialog's title in the language the test runs in.
settings_title=$([ "${LC_MESSAGES%%_*}" = ja ] && echo 表示の設定 || echo "Display settings")

# Opens the settings dialog with a click on the command menu's first item; its X window lands
# in $dialog.
open_settings_dialog() {
  open_command_menu
  xdotool mousemove $((X + 30)) $((Y + 12)) click 1
  wait_for '[ -n "$(xdotool search --onlyvisible --name "^$settings_title$")" ]' 10 || fail "the first command opened no settings dialog"
  dialog=$(xdotool search --onlyvisible --name "^$settings_title$" | sed -n 1p)
  # Its controls take clicks a moment after the window shows; nothing outside tells when.
  sleep 0.5
}

# Waits until the settings dialog has closed, or fails with $1.
wait_for_dialog_closed() {
  wait_for '[ -z "$(xdotool search --onlyvisible --name "^$settings_title$")" ]' 10 || fail "$1"
}

# Opens the command menu from the tray icon and chooses "終了(&X)" by its mnemonic (the grey
# version line below it takes no click); waits until process $1 has ended and checks its exit
# code.
exit_via_tray_menu() {
  local pid=$1
  open_command_menu
  xdotool key x
  wait_for '! kill -0 "$pid" 2>/dev/null' 15 || fail "choosing the exit item did not end the program"
  wait "$pid" || fail "tamarind ended with code $?"
}

# Waits until every cmd.exe and console host of this slot has ended: a batch file lives on a
# moment after its marker appears, and its console then takes the foreground, closing the next
# menu opened or swallowing the keys meant for it.
wait_for_console_programs_to_end() {
  wait_for '[ -z "$(prefix_pids "(^|\\\\)(cmd|conhost)[.]exe( |$)")" ]' 15 || fail "a batch file's console is still running"
}

# A test that showed a folder window leaves its slot as it found it: Wine's desktop process that
# showed the folder can fail later when a folder is deleted somewhere, and it hosts the
# notification area of the next test. The slot's Wine is started afresh, its services with no
# inherited output (ctest would wait for them).
restart_slot_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p </dev/null >/dev/null 2>&1
  "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
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
