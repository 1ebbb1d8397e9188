#!/usr/bin/env bash
# With an English UI language the program speaks English: the command menu, the launcher menu of
# an empty menu folder, the settings dialog "Display settings" and a message; the exit item keeps
# its access key, x. The screenshots are for people to look at.
source "$(dirname "$0")/lib.sh" "$@"

start_tamarind

open_command_menu
sleep 0.3
screenshot english-command-menu
close_menus

open_launcher_menu
sleep 0.3
screenshot english-empty-menu
close_menus

open_settings_dialog
screenshot english-settings
xdotool mousemove --window "$dialog" 364 446 click 1  # Cancel
wait_for_dialog_closed "Cancel did not close the settings dialog"

# A start asking for a folder that is not there: the running copy says so.
launch_tamarind NoSuch
wait_for '[ -n "$(message_boxes)" ]' 10 || fail "tamarind.exe NoSuch showed no message"
sleep 0.5
screenshot english-message
xdotool mousemove --window "$(message_boxes | sed -n 1p)" 5 5 key Return
wait_for '[ -z "$(message_boxes)" ]' 5 || fail "the message did not close"

exit_via_tray_menu "$pid"
