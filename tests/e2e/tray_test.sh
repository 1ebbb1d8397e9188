#!/usr/bin/env bash
# The tray icon: a left click shows the command menu, a right click the launcher menu (empty
# for now), and the command menu's exit item ends the program and takes the icon away.
source "$(dirname "$0")/lib.sh" "$@"

start_tamarind
open_command_menu
screenshot command-menu
# Three items and a separator: taller than three items, shorter than five.
[ "$HEIGHT" -gt 50 ] && [ "$HEIGHT" -lt 100 ] || fail "command menu is $HEIGHT pixels high"
close_menus

exit_via_tray_menu "$pid"
wait_for '[ -z "$(tray_window)" ]' 10 || fail "the icon stayed in the notification area"
echo "PASS"
