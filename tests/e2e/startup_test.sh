#!/usr/bin/env bash
# Start-up: the menu folder appears, the main window stays a hidden pixel without a taskbar
# button, a second start leaves the first alone, and exiting ends the program cleanly.
source "$(dirname "$0")/lib.sh" "$@"

launch_tamarind
first=$last_pid
wait_for '[ -d "$work/Menu" ]' 30 || fail "the Menu folder was not created beside the exe"
wait_for '[ -n "$(windows_named WinMain)" ]' 10 || fail "no main window"

for window in $(windows_named WinMain); do
  geometry=$(xdotool getwindowgeometry "$window")
  size=$(echo "$geometry" | sed -n 's/.*Geometry: //p')
  if xwininfo -id "$window" | grep -q 'IsViewable'; then
    [ "$size" = "1x1" ] || fail "main window is visible at size $size"
  fi
  # Taskbars leave out owned (transient) windows and those that ask to be skipped.
  hints=$(xprop -id "$window" WM_TRANSIENT_FOR _NET_WM_STATE 2>/dev/null || true)
  case $hints in
    *"WM_TRANSIENT_FOR(WINDOW): window id"* | *SKIP_TASKBAR*) ;;
    *) fail "main window would get a taskbar button ($hints)" ;;
  esac
done

# A second start finds the first and ends with code 0, quickly and without a window.
start=$(date +%s)
(cd "$work" && timeout 20 "$WINELOADER" tamarind.exe </dev/null >/dev/null 2>&1) || fail "second start exited with $?"
[ $(( $(date +%s) - start )) -le 10 ] || fail "second start took too long"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
[ "$(tamarind_count)" = 1 ] || fail "expected one tamarind.exe, found $(tamarind_count)"

wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area"
exit_via_tray_menu "$first"
echo "PASS"
