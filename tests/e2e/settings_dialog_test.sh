#!/usr/bin/env bash
# The settings dialog: the command menu's first item opens "表示の設定" at its place and size;
# switching the file icons off and confirming with OK changes the launcher menu at once, switching
# the gesture off leaves circles without effect; "Windows の起動時に開始する" puts the program into
# the current user's Run key and takes it out again; leaving the program writes the INI file beside it.
source "$(dirname "$0")/lib.sh" "$@"

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
# The Run value "Tamarind", empty when there is none.
run_value() {
  "$WINELOADER" reg query "$run_key" /v Tamarind 2>/dev/null | tr -d '\r' | sed -n 's/^ *Tamarind *REG_SZ *//p' || true
}
"$WINELOADER" reg delete "$run_key" /v Tamarind /f >/dev/null 2>&1 || true

mkdir -p "$work/Menu"
touch "$work/Menu/notes.txt" "$work/Menu/Report.html" "$work/Menu/table.csv"

# Colours in the strip where the launcher menu draws its file icons: one or two without icons.
icon_strip_colours() {
  open_launcher_menu
  sleep 0.5
  local menu
  menu=$(first_menu_window)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  import -window root -crop "16x$((HEIGHT - 40))+$((X + 20))+$((Y + 4))" "$work/strip.png"
  screenshot "settings-menu-$1"
  close_menus
  convert "$work/strip.png" -unique-colors -format '%w' info:
}

start_tamarind
with_icons=$(icon_strip_colours icons)
[ "$with_icons" -gt 4 ] || fail "the launcher menu shows no file icons ($with_icons colours)"

open_settings_dialog
screenshot settings-dialog
# Without a window manager Wine's X window is the dialog's client area, inside a frame that
# stands at 205, 133: a few pixels of border to the left, border and caption above.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
[ "$WIDTH" -eq 440 ] && [ "$HEIGHT" -eq 467 ] || fail "the dialog's client area is ${WIDTH}x$HEIGHT"
[ $((X - 205)) -ge 1 ] && [ $((X - 205)) -le 10 ] && [ $((Y - 133)) -ge 15 ] && [ $((Y - 133)) -le 40 ] ||
  fail "the dialog's client area starts at $X,$Y"
# "ファイルのアイコンを表示する" and "円を描いてメニューを開く" off, "Windows の起動時に開始する"
# on, then Enter presses the default button, OK.
xdotool mousemove --window "$dialog" 236 144 click 1
xdotool mousemove --window "$dialog" 236 192 click 1
xdotool mousemove --window "$dialog" 24 326 click 1
sleep 0.3
screenshot settings-dialog-switched
xdotool key Return
# The dialog lives as long as the program: OK hides it.
wait_for_dialog_closed "Enter did not close the dialog"
sleep 1
expected="\"$("$WINELOADER" winepath -w "$work/tamarind.exe" 2>/dev/null | tr -d '\r')\""
[ "$(run_value | tr 'A-Z' 'a-z')" = "$(echo "$expected" | tr 'A-Z' 'a-z')" ] ||
  fail "the Run value is '$(run_value)', not $expected"
# The next opening shows the box ticked from the registry; unticked and confirmed, the value goes.
open_settings_dialog
xdotool mousemove --window "$dialog" 24 326 click 1
sleep 0.3
xdotool key Return
wait_for_dialog_closed "Enter did not close the dialog"
[ -z "$(run_value)" ] || fail "unticking left the Run value '$(run_value)'"
sleep 1

without_icons=$(icon_strip_colours no-icons)
[ "$without_icons" -le 2 ] || fail "the file icons stayed after switching them off ($without_icons colours)"

# With the gesture switched off circles open nothing (the gesture test shows they do otherwise).
for _ in 1 2 3; do
  draw_circle 600 500 1 1.5
  no_menu_after 0.8 "a circle opened the menu with the gesture switched off"
done

# Named after the executable with its first letter upper-case. OK saved it; leaving saves again.
ini="$work/Tamarind.ini"
[ -f "$ini" ] || fail "OK wrote no INI file: $(ls "$work")"
rm "$ini"
exit_via_tray_menu "$pid"
[ -f "$ini" ] || fail "leaving wrote no INI file: $(ls "$work")"
grep -A1 $'^\\[Icon\\]\r$' "$ini" | grep -q $'^Show=0\r$' || fail "the INI file lacks Icon/Show=0"
grep -A1 $'^\\[Gesture\\]\r$' "$ini" | grep -q $'^Enabled=0\r$' || fail "the INI file lacks Gesture/Enabled=0"
echo "PASS"
