#!/usr/bin/env bash
# The dark app theme: with the theme value 0 the launcher menu draws its items, the highlighted
# item and the separator in the dark palette, while an item text colour chosen as RGB stays, and
# the settings dialog's swatches show the same dark colours; after the value goes back to 1 and
# the change is broadcast, the next menu is light, without a restart.
source "$(dirname "$0")/lib.sh" "$@"
setting_change=$3

theme_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
set_theme() { "$WINELOADER" reg add "$theme_key" /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'cleanup; "$WINELOADER" reg delete "$theme_key" /v AppsUseLightTheme /f >/dev/null 2>&1 || true' EXIT

mkdir -p "$work/Menu"
touch "$work/Menu/notes.txt" "$work/Menu/Report.html" "$work/Menu/table.csv"
# The item text red, as an RGB value (0x00BBGGRR).
printf '[Menu]\r\nFont1.Color=0x000000C8\r\n' > "$work/Tamarind.ini"

# Pixels of each colour in the launcher menu, right of the banner, with its first item
# highlighted: "count #RRGGBB" lines.
menu_colours() {
  open_launcher_menu
  local menu
  menu=$(first_menu_window)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove $((X + 80)) $((Y + 12)) sleep 0.2 mousemove $((X + 90)) $((Y + 12))
  sleep 0.7
  import -window root -crop "$((WIDTH - 30))x$HEIGHT+$((X + 30))+$Y" "$work/menu.png"
  screenshot "dark-theme-$1"
  close_menus
  convert "$work/menu.png" -format %c histogram:info: | sed -n 's/^ *\([0-9]*\):.*\(#[0-9A-F]\{6\}\).*/\1 \2/p'
}
count_of() { echo "$1" | awk -v c="$2" '$2 == c { n += $1 } END { print n + 0 }'; }
# The colour at ($1, $2) of the settings dialog's client area.
dialog_pixel() {
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  import -window root -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sed -n 1p
}

set_theme 0
start_tamarind
dark=$(menu_colours dark)
# Items, the highlighted item, the separator's two lines, and the text chosen as RGB.
for expected in '#2B2B2B 1000' '#414141 500' '#7A7A7A 50' '#474747 50' '#C80000 10'; do
  set -- $expected
  [ "$(count_of "$dark" "$1")" -ge "$2" ] || {
    echo "$dark" | sort -rn | head >&2
    fail "the dark menu has $(count_of "$dark" "$1") pixels of $1, fewer than $2"
  }
done

open_settings_dialog
screenshot dark-theme-dialog
[ "$(dialog_pixel 152 76)" = '#2B2B2B' ] && [ "$(dialog_pixel 360 76)" = '#414141' ] ||
  fail "the swatches show $(dialog_pixel 152 76) and $(dialog_pixel 360 76), not the dark menu's colours"
xdotool mousemove --window "$dialog" 364 446 click 1  # キャンセル
wait_for_dialog_closed "キャンセル did not close the dialog"

set_theme 1
"$WINELOADER" "$setting_change" || fail "the setting change could not be broadcast"
sleep 0.5
light=$(menu_colours light)
[ "$(count_of "$light" '#2B2B2B')" -eq 0 ] && [ "$(count_of "$light" '#414141')" -eq 0 ] || {
  echo "$light" | sort -rn | head >&2
  fail "the menu stayed dark after the theme went back to light"
}
[ "$(count_of "$light" '#C80000')" -ge 10 ] || fail "the RGB text colour is gone in the light menu"
exit_via_tray_menu "$pid"
grep -q $'^Font1.Color=0x000000C8\r$' "$work/Tamarind.ini" || fail "the theme changed the INI file"
echo "PASS"
