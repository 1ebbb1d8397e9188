#!/usr/bin/env bash
# Takes the user guide's pictures from the real program under Wine: the launcher menu with a
# folder open, the command menu and the settings dialog, in Japanese and in English, into
# docs/images/. Run it again after a change of look, look at the pictures, and commit them.
# Usage: scripts/guide-pictures.sh [64-bit build tree, by default build/windows-x64]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" != --language ]; then
  build=$(cd "${1:-$root/build/windows-x64}" && pwd)
  cmake --build "$build" --target tamarind --parallel 2
  # A test slot of its own, so that running tests keep theirs.
  export TAMARIND_TEST_SLOT=9
  "$root/tests/support/test-env.sh" start-one "$build" 9
  trap '"$root/tests/support/test-env.sh" stop-one "$build" 9' EXIT
  for language in ja en; do "$0" --language "$language" "$build"; done
  echo "Pictures in $root/docs/images: look at them before committing."
  exit 0
fi

language=$2 build=$3
case $language in
  ja) export TAMARIND_UI_LOCALE=ja_JP.UTF-8
      folders=(ツール 書類) files=(議事録.txt 予算.csv ホームページ.html バックアップ.cmd) inner=(ping.cmd 回線の確認.cmd) ;;
  en) export TAMARIND_UI_LOCALE=C.UTF-8
      folders=(Tools Documents) files=("Meeting notes.txt" Budget.csv Homepage.html Backup.cmd) inner=(ping.cmd "Check line.cmd") ;;
esac
source "$root/tests/e2e/lib.sh" "$build/bin/tamarind.exe" "$build"
pictures=$root/docs/images

for folder in "${folders[@]}"; do mkdir -p "$work/Menu/$folder"; done
for file in "${files[@]}"; do echo "@echo off" >"$work/Menu/$file"; done
# Whichever folder the menu shows first, its submenu has something in it.
for folder in "${folders[@]}"; do
  for file in "${inner[@]}"; do echo "@echo off" >"$work/Menu/$folder/$file"; done
done

# The open menus, each where it stands on a transparent ground that just holds them all, into
# docs/images/$1.png.
picture_of_menus() {
  local window left=100000 top=100000 right=0 bottom=0 pieces=()
  for window in $(menu_windows); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/piece-$window.png"
    pieces+=("$work/piece-$window.png" -geometry "+$X+$Y" -composite)
    left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
    right=$((X + WIDTH > right ? X + WIDTH : right)) bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
  done
  convert -size "${right}x$bottom" xc:none "${pieces[@]}" -crop "$((right - left))x$((bottom - top))+$left+$top" \
    +repage "$pictures/$1.png"
}

start_tamarind
open_launcher_menu
xdotool mousemove $((X + 40)) $((Y + 12))  # the first folder opens beside the menu
wait_for '[ "$(menu_windows | wc -l)" -ge 2 ]' 5 || fail "the first folder did not open"
sleep 1  # its icons come in
picture_of_menus "$language-launcher-menu"
close_menus 2

open_command_menu
sleep 0.3
picture_of_menus "$language-command-menu"
close_menus

open_settings_dialog
eval "$(xdotool getwindowgeometry --shell "$dialog")"
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$pictures/$language-settings.png"
xdotool mousemove --window "$dialog" 364 446 click 1  # Cancel
wait_for_dialog_closed "Cancel did not close the settings dialog"
exit_via_tray_menu "$pid"
