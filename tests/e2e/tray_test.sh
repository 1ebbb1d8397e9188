#!/usr/bin/env bash
# The tray icon: a left click shows the command menu, a right click the launcher menu (empty
# for now), and the command menu's exit item ends the program and takes the icon away.
source "$(dirname "$0")/lib.sh" "$@"

start_tamarind
pid=$last_pid
wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area"
click_tray_icon_for_menu 1
screenshot command-menu
menu=$(first_menu_window)
eval "$(xdotool getwindowgeometry --shell "$menu")"
# Three items and a separator: taller than three items, shorter than five.
[ "$HEIGHT" -gt 50 ] && [ "$HEIGHT" -lt 100 ] || fail "command menu is $HEIGHT pixels high"
xdotool key Escape
wait_for '[ -z "$(menu_windows)" ]' 5 || fail "Escape did not close the command menu"

exit_via_tray_menu "$pid"
wait_for '[ -z "$(tray_window)" ]' 10 || fail "the icon stayed in the notification area"
echo "PASS"
