#!/usr/bin/env bash
# Background pictures: an unreadable picture file at start-up gives no message; "背景..." in the
# settings dialog opens the picture chooser; a text file named .bmp, a 0 x 0 picture and a
# 10,000 x 10,000 one at 24 bits (300 MB of pixels) each give one message and no picture, one of
# 10,000 x 10,000 at 1 bit is taken; a 48 x 16 picture, half red and half blue, confirmed with OK,
# tiles the items of the next launcher menu and its path is in the INI file; "なし" empties the other.
source "$(dirname "$0")/lib.sh" "$@"

le() { local i; for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $((($1 >> (8 * i)) & 255)))"; done; }
# The headers of a bottom-up .bmp of $1 x $2 pixels at $3 bits, palette black and white.
bmp_head() {
  local offset=62 stride=$((($1 * $3 + 31) / 32 * 4))
  printf BM; le $((offset + stride * $2)) 4; le 0 4; le $offset 4
  le 40 4; le "$1" 4; le "$2" 4; le 1 2; le "$3" 2; le 0 24; le 0 4; le $((0xFFFFFF)) 4
}

mkdir -p "$work/Menu"
touch "$work/Menu/a document with a rather long name.txt" "$work/Menu/notes.txt"
convert -size 24x16 xc:'#FF0000' xc:'#0000FF' +append -type TrueColor "BMP3:$work/two.bmp"
echo 'This is no picture, whatever its name says.' | tee "$work/text.bmp" > "$work/ActiveBack.Bmp"
bmp_head 0 0 24 > "$work/empty.bmp"
bmp_head 10000 10000 24 > "$work/huge-colour.bmp"  # refused on its headers alone
{ bmp_head 10000 10000 1; head -c $((1252 * 10000)) /dev/zero; } > "$work/huge-mono.bmp"

# Clicks "背景..." of the items ($2 = 0) or the selected item ($2 = 208) and types the Windows
# path of file $1 into the chooser.
choose_picture() {
  xdotool mousemove --window "$dialog" $((61 + $2)) 374 click 1
  wait_for '[ -n "$(xdotool search --onlyvisible --name "^背景を選択して下さい$")" ]' 10 ||
    fail "背景... opened no picture chooser"
  local chooser
  chooser=$(xdotool search --onlyvisible --name "^背景を選択して下さい$" | sed -n 1p)
  sleep 0.5
  # Keys reach Wine only while the pointer is over one of its windows.
  xdotool mousemove --window "$chooser" 5 5
  xdotool type --delay 20 "$(windows_path "$1")"
  xdotool key Return
  wait_for '[ -z "$(xdotool search --onlyvisible --name "^背景を選択して下さい$")" ]' 10 ||
    fail "the picture chooser stayed open for $1"
}

start_tamarind
[ -z "$(message_boxes)" ] || fail "an unreadable picture gave a message at start-up"
open_settings_dialog

for refused in text empty huge-colour; do
  choose_picture "$work/$refused.bmp" 0
  wait_for '[ -n "$(message_boxes)" ]' 10 || fail "$refused.bmp gave no message"
  screenshot "background-$refused"
  box=$(message_boxes)
  [ "$(echo "$box" | wc -l)" -eq 1 ] || fail "$refused.bmp gave more than one message"
  xdotool mousemove --window "$box" 5 5 key Return
  wait_for '[ -z "$(message_boxes)" ]' 10 || fail "the message did not close"
  sleep 1
  [ -z "$(message_boxes)" ] || fail "a second message followed the first for $refused.bmp"
done
for taken in "two 0" "huge-mono 208"; do
  set -- $taken
  choose_picture "$work/$1.bmp" "$2"
  sleep 0.5
  [ -z "$(message_boxes)" ] || fail "$1.bmp was refused"
done
screenshot background-dialog
xdotool mousemove --window "$dialog" 360 374 click 1  # the selected item's "なし"
xdotool mousemove --window "$dialog" 260 446 click 1
wait_for_dialog_closed "OK did not close the dialog"
sleep 1

# The picture repeats every 48 pixels across the items: somewhere a row shows 24 red pixels
# between blue ones, then 24 blue between red ones.
open_launcher_menu
sleep 0.5
menu=$(first_menu_window)
eval "$(xdotool getwindowgeometry --shell "$menu")"
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" "$work/menu.png"
screenshot background-menu
rows=$(convert "$work/menu.png" -depth 8 txt:- | awk -F'[ ,:]+' '
  NR > 1 {
    split($0, parts, "#"); colour = substr(parts[2], 1, 6)
    row[$2] = row[$2] (colour == "FF0000" ? "R" : colour == "0000FF" ? "B" : ".")
  }
  END { for (y in row) print row[y] }')
echo "$rows" | grep -qE 'BR{24}B{24}R' || {
  echo "$rows" | sort | uniq -c | sort -rn | head -5 >&2
  fail "the launcher menu's items do not show the picture tiled"
}
close_menus

exit_via_tray_menu "$pid"
grep -qiF "BG1=$(windows_path "$work/two.bmp")"$'\r' "$work/Tamarind.ini" ||
  fail "the INI file lacks the picture's path: $(grep BG1 "$work/Tamarind.ini")"
grep -q $'^BG2=\r$' "$work/Tamarind.ini" || fail "なし left $(grep BG2 "$work/Tamarind.ini")"
echo "PASS"
