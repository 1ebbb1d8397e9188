#!/usr/bin/env bash
# Right-sized at 96, 144 and 192 dpi (the prefix's LogPixels, one prefix each): launcher rows
# 20 / 30 / 40 high with 16 / 24 / 32 icons and their text inside them, a two-column menu whose
# banner caption shows, the settings dialog scaled; with 20-point item fonts every row's text
# fits, and a 180-character name keeps the menu within about half the screen.
source "$(dirname "$0")/lib.sh" "$@"
tools="$(cd "$(dirname "$0")/../../cmake" && pwd)"
screen_width=1280

dpi_prefixes=()
stop_dpi_prefixes() {
  local prefix
  for prefix in "${dpi_prefixes[@]}"; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
  cleanup
}
trap stop_dpi_prefixes EXIT

# Runs what follows in the prefix of DPI $1; its server reads LogPixels as it starts.
use_dpi() {
  export WINEPREFIX
  WINEPREFIX=$(test_slot_dir "$build_dir")/wineprefix-dpi$1
  "$tools/wine-prefix.sh" "$build_dir" "$WINEPREFIX"
  dpi_prefixes+=("$WINEPREFIX")
  wineserver -k 2>/dev/null || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
  wineserver -w
}

scaled() { echo $(((($1) * dpi + 48) / 96)); }

# Writes the INI file as the program reads it (CRLF lines); "[Section]" and "Key=Value" words.
write_ini() { printf '%s\r\n' "$@" > "$work/Tamarind.ini"; }

# Where the image column of the first item lies: past the menu's 3-pixel border, the banner
# strip (as wide as the 9-point banner font's 1.2 character heights at 96 dpi) and its gap.
hover_x() { echo $((3 + $(scaled 14) + $(scaled 2) + $(scaled 10))); }

# Starts the program, opens the launcher menu with the pointer over its first item, and saves
# the menu window as $work/menu.png (and beside the other screenshots, named $1); its geometry
# lands in X, Y, WIDTH and HEIGHT.
start_with_launcher_menu() {
  start_tamarind
  open_launcher_menu
  xdotool mousemove $((X + $(hover_x))) $((Y + 6))
  # Highlighted, and the folder's submenu open beside it.
  wait_for '[ "$(menu_windows | wc -l)" -ge 2 ]' 5 || fail "highlighting the folder at $dpi dpi opened no submenu"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/menu.png"
  cp "$work/menu.png" "$build_dir/e2e-dpi$dpi-$1.png"
}

close_and_exit() {
  screenshot "$1"
  close_menus 2
  exit_via_tray_menu "$pid"
  wineserver -w
}

# Reads $work/menu.png: the highlighted first row (rows band_top..band_bottom, columns
# band_left..band_right), the bounding box of its light text, and in the second row the
# bounding boxes of the icon and of the dark text.
measure_menu() {
  eval "$(convert "$work/menu.png" -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),\([0-9]*\):.*#\([0-9A-F]\{6\}\).*/\1 \2 \3/p' |
    awk -v hx="$(hover_x)" -v col="$(scaled 20)" '
      { c[$1, $2] = $3 }
      function hex(s, i, n) { for (i = 1; i <= 2; i++) n = n * 16 + index("0123456789ABCDEF", substr(s, i, 1)) - 1; return n }
      function light(v) { return hex(substr(v, 1)) > 200 && hex(substr(v, 3)) > 200 && hex(substr(v, 5)) > 200 }
      function dark(v) { return hex(substr(v, 1)) < 90 && hex(substr(v, 3)) < 90 && hex(substr(v, 5)) < 90 }
      END {
        hl = c[hx, 6]
        for (top = 6; top > 0 && c[hx, top - 1] == hl; top--) ;
        for (bottom = 6; c[hx, bottom + 1] == hl; bottom++) ;
        for (left = hx; left > 0 && c[left - 1, top] == hl; left--) ;
        for (right = hx; c[right + 1, top] == hl; right++) ;
        tt = 1e9; tb = -1; tr = -1
        for (y = top; y <= bottom; y++) for (x = left; x <= right; x++)
          if (light(c[x, y])) { if (y < tt) tt = y; if (y > tb) tb = y; if (x > tr) tr = x }
        pitch = bottom - top + 1; bg = c[right - 1, bottom + 2]
        il = 1e9; ir = -1; it = 1e9; ib = -1; dt = 1e9; db = -1; dr = -1
        for (y = bottom + 1; y <= bottom + pitch; y++) for (x = left; x <= right; x++) {
          v = c[x, y]
          if (v == bg) continue
          if (x < left + col) { if (x < il) il = x; if (x > ir) ir = x; if (y < it) it = y; if (y > ib) ib = y }
          else if (dark(v)) { if (y < dt) dt = y; if (y > db) db = y; if (x > dr) dr = x }
        }
        printf "band_top=%d band_bottom=%d band_left=%d band_right=%d pitch=%d ", top, bottom, left, right, pitch
        printf "text_top=%d text_bottom=%d text_right=%d ", tt, tb, tr
        printf "icon_width=%d icon_height=%d ", ir - il + 1, ib - it + 1
        printf "row2_text_top=%d row2_text_bottom=%d row2_text_right=%d\n", dt, db, dr
      }')"
}

# The text of both rows lies inside its row, with a row of room at top and bottom, and ends
# before the row's right edge.
check_text_fits() {
  [ "$text_top" -gt "$band_top" ] && [ "$text_bottom" -lt "$band_bottom" ] ||
    fail "$1 at $dpi dpi: the highlighted text (rows $text_top-$text_bottom) is cut by its row ($band_top-$band_bottom)"
  [ "$row2_text_top" -gt "$((band_bottom + 1))" ] && [ "$row2_text_bottom" -lt "$((band_bottom + pitch))" ] ||
    fail "$1 at $dpi dpi: the second row's text (rows $row2_text_top-$row2_text_bottom) is cut by its row"
  [ "$text_right" -lt "$band_right" ] && [ "$row2_text_right" -lt "$band_right" ] ||
    fail "$1 at $dpi dpi: text runs to the row's right edge ($text_right, $row2_text_right; row ends at $band_right)"
}

# Dark pixels (the black caption) in the banner strip.
caption_pixels() {
  local strip
  strip=$(scaled 14)
  convert "$work/menu.png" -crop "$((strip - 2))x$((HEIGHT - 6))+$((band_left - strip + 1))+3" +repage \
    -depth 8 txt:- | grep -c '#[0-5][0-9A-F][0-5][0-9A-F][0-5][0-9A-F]' || true
}

menu_folder="$work/Menu"
for dpi in 96 144 192; do
  use_dpi "$dpi"

  # --- default fonts, icons, the banner, and a menu split into columns of three ---
  rm -rf "$menu_folder"
  mkdir -p "$menu_folder/A tools"
  touch "$menu_folder/A tools/inside.txt"
  for name in b-notes c-plan d-list e-log f-todo g-memo; do touch "$menu_folder/$name.txt"; done
  write_ini '[Menu]' 'Split=1' 'VertNum=3' '[Banner]' 'Show=1' 'Caption=Tamarind' 'Color1=0x000000FF' \
    'Color2=0x0000FFFF' 'Font.Color=0x00000000'
  start_with_launcher_menu split-menu
  measure_menu
  echo "$dpi dpi: pitch $pitch, icon ${icon_width}x$icon_height, menu ${WIDTH}x$HEIGHT, caption $(caption_pixels) px"
  [ "$pitch" -eq "$(scaled 20)" ] || fail "rows are $pitch pixels apart at $dpi dpi, not $(scaled 20)"
  icon=$(scaled 16)
  [ "$icon_width" -le "$icon" ] && [ "$icon_height" -le "$icon" ] && [ "$icon_height" -gt $((icon * 2 / 3)) ] ||
    fail "the icon is ${icon_width}x$icon_height at $dpi dpi, not about $icon"
  check_text_fits "default fonts"
  [ "$(caption_pixels)" -gt 20 ] || fail "the banner caption of the two-column menu does not show at $dpi dpi"
  # The default banner font is 9 points at the screen's DPI, and the strip it sets is scaled.
  [ "$band_left" -eq $((3 + $(scaled 14))) ] || fail "the banner strip ends at $band_left at $dpi dpi"
  close_and_exit "dpi$dpi-split"

  # --- the settings dialog, scaled ---
  start_tamarind
  open_settings_dialog
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  echo "$dpi dpi: settings dialog ${WIDTH}x$HEIGHT"
  [ "$WIDTH" -ge "$(scaled 440)" ] && [ "$WIDTH" -le "$(($(scaled 440) + 16))" ] &&
    [ "$HEIGHT" -ge "$(scaled 467)" ] && [ "$HEIGHT" -le "$(($(scaled 467) + 60))" ] ||
    fail "the settings dialog is ${WIDTH}x$HEIGHT at $dpi dpi"
  screenshot "dpi$dpi-settings"
  xdotool mousemove --window "$dialog" "$(scaled 364)" "$(scaled 446)" click 1  # キャンセル
  wait_for_dialog_closed "キャンセル left the dialog open"
  exit_via_tray_menu "$pid"
  wineserver -w

  # --- 20-point item fonts and a 180-character name ---
  rm -rf "$menu_folder"
  mkdir -p "$menu_folder/A tools"
  touch "$menu_folder/A tools/inside.txt" "$menu_folder/b-notes.txt" "$menu_folder/c-キャンセル前.txt"
  touch "$menu_folder/z-$(printf 'long%.0s' $(seq 44)).txt"
  write_ini '[Menu]' 'Font1.Size=20' 'Font2.Size=20' '[Banner]' 'Show=1'
  start_with_launcher_menu large-fonts-menu
  measure_menu
  echo "$dpi dpi, 20-point fonts: pitch $pitch, menu ${WIDTH}x$HEIGHT"
  check_text_fits "20-point fonts"
  # Half the work area for the row, and the platform's own room for a check mark and the border.
  [ "$WIDTH" -le $((screen_width / 2 + 32)) ] || fail "a 180-character name made the menu $WIDTH pixels wide"
  close_and_exit "dpi$dpi-large-fonts"
done
echo "PASS"
