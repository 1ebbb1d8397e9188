#!/usr/bin/env bash
# The launcher from the keyboard: a hotkey set in the settings dialog as a user sets it lands in
# the INI file, opens the launcher menu at the pointer and closes it again; typing the start of
# a name highlights that item, and Enter runs it; opened on the screen's last row, the menu grows
# upwards.
source "$(dirname "$0")/lib.sh" "$@"

menu_folder="$work/Menu"
mkdir -p "$menu_folder"
touch "$menu_folder/readme.txt" "$menu_folder/recent.txt" "$menu_folder/zeta.txt"
printf '@echo off\r\necho done> "%%~dp0..\\marker.txt"\r\n' > "$menu_folder/report.cmd"
marker="$work/marker.txt"
ini="$work/Tamarind.ini"

# The launcher menu's rows, top down: readme.txt, recent.txt, report.cmd, zeta.txt.
report_row=3

# Presses the hotkey where keys reach Wine here: with the pointer over the notification area.
press_hotkey_over_tray() {
  xdotool mousemove --window "$(tray_window)" "$1" 10 sleep 0.3 key ctrl+alt+k
}

# The highlighted one of the $2 rows above the separator of menu window $1, counted from 1,
# read from a screenshot $3 of the test display by numbers: down a column near the menu's
# right edge, a tall band of another colour than the last row's is the highlight, a line or two
# is the separator. 0 when nothing is highlighted.
highlighted_row() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  convert "$3" -crop "1x$HEIGHT+$((X + WIDTH - 8))+$Y" +repage -depth 8 txt:- | awk -v rows="$2" '
    NR == 1 { next }
    { split($1, at, /[,:]/); colour[at[2] + 0] = $3; height = at[2] + 1 }
    END {
      background = colour[height - 6]
      start = -1
      for (y = 3; y < height - 3; y++) {
        if (colour[y] != background && start < 0) start = y
        if ((colour[y] == background || y == height - 4) && start >= 0) {
          if (y - start >= 10) band = (start + y) / 2
          else if (y - start <= 3) separator = start
          start = -1
        }
      }
      if (!band || !separator) { print 0; exit }
      print int(band * rows / separator) + 1
    }'
}

start_tamarind

# The settings dialog from the command menu's first item; the hotkey field takes the
# combination the user presses, OK saves it.
open_settings_dialog
xdotool mousemove --window "$dialog" 160 300 click 1 sleep 0.3 key ctrl+alt+k
sleep 0.5
screenshot keyboard-dialog
# OK stands on the panel along the dialog's bottom edge.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove --window "$dialog" 260 $((HEIGHT - 41 + 20)) click 1
wait_for_dialog_closed "OK did not close the dialog"
[ -f "$ini" ] || fail "OK wrote no INI file"
grep -A1 $'^\\[Hotkey\\]\r$' "$ini" | grep -q $'^Key=Ctrl+Alt+K\r$' ||
  fail "the INI file does not hold the hotkey: $(grep -A1 Hotkey "$ini" | tr -d '\r')"

# The hotkey opens the launcher menu at the pointer; pressed again it closes it.
press_hotkey_over_tray 40
wait_for '[ -n "$(menu_windows)" ]' 5 || fail "the hotkey opened no menu"
menu=$(first_menu_window)
eval "$(xdotool getwindowgeometry --shell "$menu")"
eval "$(xdotool getmouselocation --shell | sed 's/^/MOUSE_/')"
[ $((X - MOUSE_X)) -ge -2 ] && [ $((X - MOUSE_X)) -le 2 ] && [ $((Y - MOUSE_Y)) -ge -2 ] && [ $((Y - MOUSE_Y)) -le 2 ] ||
  fail "the menu opened at $X,$Y, not at the pointer at $MOUSE_X,$MOUSE_Y"
xdotool key ctrl+alt+k
wait_for '[ -z "$(menu_windows)" ]' 5 || fail "the hotkey pressed again did not close the menu"
# The same press must not open it again, as its Alt closing the menu first once made it do.
no_menu_after 2.5 "the hotkey pressed again closed the menu and opened it again"

# Opened again, typing "rep" highlights report.cmd past readme.txt and recent.txt, Enter runs it.
press_hotkey_over_tray 40
wait_for '[ -n "$(menu_windows)" ]' 5 || fail "the hotkey opened no menu the second time"
menu=$(first_menu_window)
sleep 0.5
screenshot keyboard-menu
row=$(highlighted_row "$menu" 4 "$build_dir/e2e-keyboard-menu.png")
[ "$row" -eq 0 ] || fail "row $row was highlighted before anything was typed"
xdotool type --delay 100 rep
# The menu may take a moment to catch up with the keys: Wine's thread waits out a window it hides.
typed_row() {
  screenshot keyboard-type-to-find
  row=$(highlighted_row "$menu" 4 "$build_dir/e2e-keyboard-type-to-find.png")
  [ "$row" -eq "$report_row" ]
}
wait_for typed_row 8 || fail "typing rep highlighted row $row, not report.cmd in row $report_row"
[ ! -f "$marker" ] || fail "typing ran report.cmd before Enter"
xdotool key Return
wait_for '[ -f "$marker" ]' 15 || fail "Enter on the found item did not run report.cmd"
wait_for_console_programs_to_end
wait_for '[ -z "$(menu_windows)" ]' 5 || fail "the menu stayed open after Enter"

# On the screen's last row the menu grows upwards and ends where the work area does: here, with
# no taskbar, at the screen's bottom. Keys reach Wine away from its windows only with the X focus
# on one of them; the focus goes back to the root after.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
xdotool windowfocus --sync "$(tray_window)" mousemove 300 $((screen_height - 1)) sleep 0.3 key ctrl+alt+k
wait_for '[ -n "$(menu_windows)" ]' 5 || fail "the hotkey on the screen's last row opened no menu"
sleep 0.5
screenshot keyboard-last-row
eval "$(xdotool getwindowgeometry --shell "$(first_menu_window)")"
[ $((Y + HEIGHT)) -le "$screen_height" ] && [ "$Y" -lt $((screen_height - 1)) ] && [ $((X - 300)) -ge -2 ] && [ $((X - 300)) -le 2 ] ||
  fail "opened on the last row of a ${screen_width}x$screen_height screen, the menu stands at $X,$Y, ${WIDTH}x$HEIGHT"
xdotool key ctrl+alt+k
xdotool windowfocus "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
wait_for '[ -z "$(menu_windows)" ]' 5 || fail "the hotkey did not close the menu on the last row"

exit_via_tray_menu "$pid"
echo "PASS"
