#!/usr/bin/env bash
# The launcher menu: a right click on the tray icon shows the menu folder's tree, drawn by the
# program with icons, and a file added to the menu folder shows in it within about 2 seconds.
source "$(dirname "$0")/lib.sh" "$@"

menu_folder="$work/Menu"
mkdir -p "$menu_folder/Tools"
touch "$menu_folder/Tools/inside.txt" "$menu_folder/notes.txt" "$menu_folder/Report.html"
printf 'not a shortcut' > "$menu_folder/Editor.lnk"
# A shortcut in the old byte form that leads to a folder; its path must hold no dot, which
# would end the path the shortcut's bytes give.
target_dir="$WINEPREFIX/drive_c/tamarind_e2e_target_$$"
mkdir -p "$target_dir"
touch "$target_dir/inside.txt"
trap 'cleanup; rm -rf "$target_dir"' EXIT
printf 'L\0\0\0\0\0WINDOWS\x01\x02\0%s\0' "C:\\tamarind_e2e_target_$$" > "$menu_folder/Old target.lnk"

start_tamarind
open_launcher_menu
before=$HEIGHT
sleep 0.5
screenshot launcher-menu
close_menus
# <tamarind_e2e_target_...>, <Tools>, Editor, notes.txt, Report.html, separator, Cancel.
[ "$before" -gt 120 ] || fail "the launcher menu is only $before pixels high"

touch "$menu_folder/added.txt"
open_launcher_menu_until '[ "$HEIGHT" -gt "$before" ]' 3 ||
  fail "the added file did not show: menu $before then $HEIGHT pixels high"
sleep 0.5
screenshot launcher-menu-added
close_menus

exit_via_tray_menu "$pid"
echo "PASS"
