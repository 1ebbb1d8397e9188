#!/usr/bin/env bash
# The release as a user gets it: the zip that the release_zip test made and checked, unpacked
# into an empty folder; the exe starts from there, its version block carries the project's
# version, its empty menu explains itself and opens the menu folder, a file added shows as
# usual, and the INI file it writes holds the keys the guide lists, in the guide's order.
# Usage: release_zip_test.sh <tamarind.exe> <build-dir> <file_version.exe> <version> <copyright>
source "$(dirname "$0")/lib.sh" "$1" "$2"
file_version=$3
version=$4
copyright=$5

rm -rf "${work:?}"/*
# The zip holds one folder; its contents become the test's work folder.
python3 -m zipfile -e "$build_dir/release/tamarind-$version-win64.zip" "$work"
mv "$work/tamarind-$version"/* "$work/"
rmdir "$work/tamarind-$version"

# --- the version block, read as Windows reads it ---
mapfile -t block < <("$WINELOADER" "$file_version" "$(windows_path "$work/tamarind.exe")" | tr -d '\r')
expected=("$version.0" "$version.0" "Tamarind" "$version" "Tamarind launcher" "$copyright")
[ "${block[*]}" = "${expected[*]}" ] || fail "version block: '${block[*]}', expected '${expected[*]}'"

# --- the first start ---
start_tamarind
open_launcher_menu
empty_height=$HEIGHT
sleep 0.5
screenshot release-empty-menu
close_menus

touch "$work/Menu/notes.txt"
open_launcher_menu_until '[ "$HEIGHT" -lt "$empty_height" ]' 5 || fail "the added file did not show"
file_height=$HEIGHT
sleep 0.5
screenshot release-one-file
close_menus
# Empty: note, open item, separator, Cancel; one file: the file, separator, Cancel.
row=$((empty_height - file_height))
[ "$row" -ge 12 ] && [ "$row" -le 40 ] ||
  fail "the empty menu ($empty_height px) is not one row taller than the one-file menu ($file_height px)"

rm "$work/Menu/notes.txt"
open_launcher_menu_until '[ "$HEIGHT" -eq "$empty_height" ]' 5 ||
  fail "emptied again, the menu is $HEIGHT px high, not $empty_height"
# The second row, "登録フォルダを開く": below the grey note, at most the menu's border above it.
xdotool mousemove $((X + WIDTH / 2)) $((Y + 3 + row + row / 2))
sleep 0.3
screenshot release-open-item
xdotool click 1
wait_for '[ -n "$(windows_named Menu)" ]' 20 || { screenshot release-no-folder; fail "choosing 登録フォルダを開く opened no window on the Menu folder"; }
sleep 1
screenshot release-folder-opened
# Moved out of the way, not closed: closing it can end Wine's desktop process, which hosts the
# notification area the rest of the test goes through.
for window in $(windows_named Menu); do xdotool windowmove "$window" 700 500; done

# The command menu ends with the grey version line.
open_command_menu
sleep 0.5
screenshot release-command-menu
close_menus
exit_via_tray_menu "$pid"
restart_slot_wine

# --- the INI file of that run: the guide's keys, in the guide's order ---
ini_keys=$(iconv -f CP932 -t UTF-8 "$work/Tamarind.ini" | tr -d '\r' |
  awk '/^\[/ { section = substr($0, 2, length($0) - 2); next } /=/ { print section " " substr($0, 1, index($0, "=") - 1) }')
guide_keys() {
  awk -v marker="<!-- ini-reference:$1 -->" '$0 == marker { on = 1; next } /<!-- \/ini-reference -->/ { on = 0 }
    on && /^\| [A-Za-z]+ \| `/ { split($0, cell, "|"); gsub(/[ `]/, "", cell[2]); gsub(/[ `]/, "", cell[3]); print cell[2] " " cell[3] }' \
    "$work/user-guide.md"
}
[ -n "$ini_keys" ] || fail "the program wrote no Tamarind.ini beside itself"
for language in ja en; do
  [ "$(guide_keys "$language")" = "$ini_keys" ] ||
    fail "the guide's INI reference ($language) differs from the file: $(diff <(guide_keys "$language") <(echo "$ini_keys") | tr '\n' ' ')"
done
echo "PASS"
