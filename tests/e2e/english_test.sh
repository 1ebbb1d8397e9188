#!/usr/bin/env bash
# With an English UI language the program speaks English: the command menu, the launcher menu of
# an empty menu folder and the settings dialog "Display settings"; the exit item keeps its
# access key, x. The screenshots are for people to look at.
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

exit_via_tray_menu "$pid"
