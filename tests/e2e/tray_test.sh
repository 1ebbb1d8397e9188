#!/usr/bin/env bash
# The tray icon: a left click shows the command menu, a right click the launcher menu (empty
# for now), and the command menu's exit item ends the program and takes the icon away.
source "$(dirname "$0")/lib.sh" "$@"

start_tamarind
pid=$last_pid
wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area"
tray=$(tray_window)

xdotool mousemove --window "$tray" 10 10 click 1
wait_for '[ -n "$(menu_windows)" ]' 10 || fail "a left click showed no command menu"
screenshot command-menu
menu=$(menu_windows | head -1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
# Three items and a separator: taller than three items, shorter than five.
[ "$HEIGHT" -gt 50 ] && [ "$HEIGHT" -lt 100 ] || fail "command menu is $HEIGHT pixels high"

# The last item, "終了(&X)", sits at the bottom of the menu.
xdotool mousemove $((X + 30)) $((Y + HEIGHT - 12)) click 1
wait_for '! kill -0 "$pid" 2>/dev/null' 15 || fail "choosing the exit item did not end the program"
wait "$pid" || fail "tamarind ended with code $?"
wait_for '[ -z "$(tray_window)" ]' 10 || fail "the icon stayed in the notification area"
echo "PASS"
