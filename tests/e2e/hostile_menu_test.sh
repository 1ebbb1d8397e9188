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

# Seconds until the launcher menu shows after a right click on the tray icon, then its height.
open_launcher_menu() {
  local start menu
  start=$(date +%s%N)
  click_tray_icon_for_menu 3
  opened_after_ms=$((($(date +%s%N) - start) / 1000000))
  menu=$(first_menu_window)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  menu_height=$HEIGHT
}

close_menu() {
  xdotool key Escape
  wait_for '[ -z "$(menu_windows)" ]' 5 || fail "Escape did not close the launcher menu"
}

no_error_box() {
  [ -z "$(xdotool search --onlyvisible --name '^Tamarind$' 2>/dev/null)" ] || { screenshot hostile-error; fail "an error box appeared: $1"; }
}

fill_menu_folder
start_tamarind
pid=$last_pid
wait_for '[ -n "$(tray_window)" ]' 30 || fail "no icon in the notification area"
sleep 1
open_launcher_menu
full_height=$menu_height
sleep 0.5
screenshot hostile-menu
close_menu
no_error_box "with odd names and broken shortcuts"

# The menu folder goes away: the menu keeps only its fixed items.
rm -rf "$menu_folder"
sleep 2.5
open_launcher_menu
empty_height=$menu_height
close_menu
[ "$empty_height" -lt "$full_height" ] || fail "the deleted folder's items stayed: $full_height then $empty_height pixels"
no_error_box "after the menu folder was deleted"

# Made again with the same contents: the same menu comes back.
fill_menu_folder
sleep 3
open_launcher_menu
close_menu
[ "$menu_height" -eq "$full_height" ] || fail "the folder made again shows $menu_height pixels, not $full_height"

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
  close_menu
  openings=$((openings + 1))
  [ "$opened_after_ms" -gt "$slowest" ] && slowest=$opened_after_ms
done
wait "$writer"
echo "$seconds s of writes every 100 ms: $openings tray openings, slowest $slowest ms"
[ "$slowest" -lt 3000 ] || fail "the menu took $slowest ms to open while the folder kept changing"
sleep 2
open_launcher_menu
screenshot hostile-menu-after-writes
close_menu
[ "$menu_height" -gt "$full_height" ] || fail "the rewritten file is not in the menu ($menu_height pixels)"
no_error_box "after continuous writes"

exit_via_tray_menu "$pid"
echo "PASS"
