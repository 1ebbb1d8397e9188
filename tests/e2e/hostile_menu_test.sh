#!/usr/bin/env bash
# The launcher menu survives what a user can do to its folder while it runs: the menu folder
# deleted and made again, odd names and broken shortcuts, and a file rewritten every 100 ms
# (for a few seconds here, a minute with TAMARIND_LONG_TESTS=1). The tray menu keeps opening
# promptly with the right items, and no error box appears.
source "$(dirname "$0")/lib.sh" "$@"

menu_folder="$work/Menu"
fill_menu_folder() {
  mkdir -p "$menu_folder/Tools 도구"
  touch "$menu_folder/notes.txt" "$menu_folder/한국어 🎉.txt" "$menu_folder/Cafe"$'\xcc\x81'".doc"
  : > "$menu_folder/Empty.lnk"
  head -c 3000 /dev/urandom > "$menu_folder/Garbage.lnk"
}

no_error_box() {
  [ -z "$(message_boxes)" ] || { screenshot hostile-error; fail "an error box appeared: $1"; }
}

fill_menu_folder
start_tamarind
open_launcher_menu
full_height=$HEIGHT
sleep 0.5
screenshot hostile-menu
close_menus
no_error_box "with odd names and broken shortcuts"

# The menu folder goes away: the menu keeps only its fixed items.
rm -rf "$menu_folder"
open_launcher_menu_until '[ "$HEIGHT" -lt "$full_height" ]' 5 ||
  fail "the deleted folder's items stayed: $full_height then $HEIGHT pixels"
close_menus
no_error_box "after the menu folder was deleted"

# Made again with the same contents: the same menu comes back.
fill_menu_folder
open_launcher_menu_until '[ "$HEIGHT" -eq "$full_height" ]' 5 ||
  fail "the folder made again shows $HEIGHT pixels, not $full_height"
close_menus

# A file rewritten every 100 ms: the menu opens promptly throughout.
seconds=${TAMARIND_LONG_TESTS:+60}
seconds=${seconds:-8}
(
  end=$((SECONDS + seconds))
  i=0
  while [ $SECONDS -lt $end ]; do
    printf 'line %d\n' $((i++)) > "$menu_folder/busy.log"
    sleep 0.1
  done
) &
writer=$!
slowest=0
openings=0
while kill -0 "$writer" 2>/dev/null; do
  sleep 0.5  # a click right after a menu closed may go to the closing menu
  open_launcher_menu
  close_menus
  openings=$((openings + 1))
  [ "$took" -gt "$slowest" ] && slowest=$took
done
wait "$writer"
echo "$seconds s of writes every 100 ms: $openings tray openings, slowest $slowest ms"
[ "$slowest" -lt 3000 ] || fail "the menu took $slowest ms to open while the folder kept changing"
open_launcher_menu_until '[ "$HEIGHT" -gt "$full_height" ]' 5 ||
  fail "the rewritten file is not in the menu ($HEIGHT pixels)"
screenshot hostile-menu-after-writes
close_menus
no_error_box "after continuous writes"

exit_via_tray_menu "$pid"
echo "PASS"
