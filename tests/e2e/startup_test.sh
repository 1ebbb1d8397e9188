#!/usr/bin/env bash
# Start-up: the menu folder appears, the main window stays a hidden pixel without a taskbar
# button, a second start hands its request to the first and ends (the launcher menu, a folder's
# menu, a message for a folder that is missing; a copy from another folder only says so), and
# exiting ends the program cleanly. Started
# with a folder while none runs, the program starts and opens that folder's menu.
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

# A second start with arguments $@, in the background; its pid lands in $second.
second_start() {
  (cd "$work" && exec timeout 20 "$WINELOADER" tamarind.exe "$@" </dev/null >/dev/null 2>&1) &
  second=$!
}
# The second start has ended with code 0 within a second of the menu showing, and one copy runs.
second_start_ended() {
  local shown_at
  shown_at=$(date +%s%3N)
  wait "$second" || fail "the second start exited with $?"
  [ $(($(date +%s%3N) - shown_at)) -le 1000 ] || fail "the second start ended $(($(date +%s%3N) - shown_at)) ms after the menu showed"
  kill -0 "$first" 2>/dev/null || fail "the first instance ended"
  [ "$(tamarind_count)" = 1 ] || fail "expected one tamarind.exe, found $(tamarind_count)"
}
mkdir -p "$work/Menu/Tools"
printf '@echo off\r\necho ran> "%%~dp0ran.txt"\r\n' > "$work/Menu/Tools/run.cmd"
wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area"

# No argument: the running copy opens its launcher menu at the pointer.
xdotool mousemove 300 300
second_start
wait_for '[ -n "$(menu_windows)" ]' 10 || fail "a second start opened no menu"
second_start_ended
eval "$(xdotool getwindowgeometry --shell "$(first_menu_window)")"
[ "$X" -ge 295 ] && [ "$X" -le 305 ] && [ "$Y" -ge 295 ] && [ "$Y" -le 305 ] || fail "the menu opened at $X,$Y, not at the pointer"
close_menus

# A folder relative to the menu folder: its menu, whose items run.
second_start Tools
wait_for '[ -n "$(menu_windows)" ]' 10 || fail "tamarind.exe Tools opened no menu"
second_start_ended
sleep 0.5
screenshot second-start-tools
xdotool key r Return
wait_for '[ -f "$work/Menu/Tools/ran.txt" ]' 15 || { screenshot second-start-tools-not-run; fail "the Tools menu's item did not run"; }
wait_for '[ -z "$(menu_windows)" ]' 5 || fail "the Tools menu stayed open"
wait_for_console_programs_to_end

# A folder that is not there: a message naming it, and no menu.
second_start NoSuch
wait_for '[ -n "$(message_boxes)" ]' 10 || fail "tamarind.exe NoSuch showed no message"
wait "$second" || fail "the second start exited with $?"
sleep 0.5
screenshot second-start-missing
xdotool mousemove --window "$(message_boxes | sed -n 1p)" 5 5 key Return
wait_for '[ -z "$(message_boxes)" ]' 5 || fail "the message did not close"
[ -z "$(menu_windows)" ] || fail "a menu opened for a folder that is missing"

# A copy in another folder hands nothing over: it says where the running one is, and ends.
mkdir "$work/other"
cp "$work/tamarind.exe" "$work/other/"
(cd "$work/other" && exec timeout 20 "$WINELOADER" tamarind.exe </dev/null >/dev/null 2>&1) &
other=$!
wait_for '[ -n "$(message_boxes)" ]' 10 || fail "a copy started from another folder said nothing"
screenshot second-start-other-folder
xdotool mousemove --window "$(message_boxes | sed -n 1p)" 5 5 key Return
wait "$other" || fail "the copy from another folder exited with $?"
[ -z "$(menu_windows)" ] || fail "a copy from another folder opened a menu"
[ "$(tamarind_count)" = 1 ] || fail "expected one tamarind.exe, found $(tamarind_count)"

exit_via_tray_menu "$first"

# Not running: started with a folder, the program starts and opens that folder's menu.
launch_tamarind Tools
wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area after a start with a folder"
wait_for '[ -n "$(menu_windows)" ]' 15 || fail "a start with a folder opened no menu"
close_menus
exit_via_tray_menu "$last_pid"
echo "PASS"
