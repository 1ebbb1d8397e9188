#!/usr/bin/env bash
# The circle gesture: a circle drawn with the pointer anywhere opens the launcher menu there;
# a straight stroke does not. Choosing an item opens it, with Shift its shell context menu
# shows instead, the open-this-folder item opens the folder, and a circle drawn while the last
# gesture's menu still counts as shown only clears that.
source "$(dirname "$0")/lib.sh" "$@"

menu_folder="$work/Menu"
mkdir -p "$menu_folder/Docs"
touch "$menu_folder/Docs/readme.txt"
printf '@echo off\r\necho done> "%%~dp0..\\marker.txt"\r\n' > "$menu_folder/mark.cmd"
marker="$work/marker.txt"

# Draws circles like draw_circle until the launcher menu shows, at most $5 of them: under Wine
# a circle drawn with xdotool is now and then sampled too unevenly to count, and a user would
# simply draw another. Prints the menu.
circle_until_menu() {
  for _ in $(seq "$5"); do
    draw_circle "$1" "$2" "$3" "$4"
    launcher_menu && return 0
    sleep 0.6  # the cool-down, in case the circle only cleared
  done
  return 1
}

# The open launcher menu (the first menu window), or nothing after 2 seconds.
launcher_menu() {
  wait_for '[ -n "$(menu_windows)" ]' 2 && menu_windows | sed -n 1p
}

# Points at row $2 (pixels from the top) of menu window $1.
point_at_row() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 60)) $((Y + $2))
  sleep 0.3
}

# Esc, with the pointer over the menu: keys reach Wine only over one of its windows here.
close_menu_with_escape() {
  point_at_row "$1" 5
  close_menus
}

start_tamarind

# Rows of the launcher menu: <Docs>, mark.cmd, a separator, キャンセル.
docs_row=12
mark_row=32

xdotool mousemove 300 300 sleep 0.3
xdotool $(for k in $(seq 0 40); do printf 'mousemove %d %d sleep 0.04 ' $((300 + 8 * k)) $((300 + 5 * k)); done)
no_menu_after 1.5 "a straight stroke opened a menu"

menu=$(circle_until_menu 600 500 1 1.5 3) || fail "clockwise circles opened no menu"
eval "$(xdotool getwindowgeometry --shell "$menu")"
# The menu opens where the pointer was when the circle closed: on the circle's path.
[ $(((X - 600) * (X - 600) + (Y - 500) * (Y - 500))) -lt $((80 * 80)) ] ||
  fail "the menu opened at $X,$Y, away from the circle around 600,500"
screenshot gesture-clockwise
point_at_row "$menu" "$mark_row"
xdotool click 1
wait_for '[ -f "$marker" ]' 15 || fail "choosing mark.cmd did not run it"
wait_for_console_programs_to_end

# The menu just closed still counts as shown: one circle clears that, the next shows it again.
draw_circle 500 400 -1 1.5
no_menu_after 1 "a circle right after a gesture menu closed showed a menu"
sleep 0.6  # the cool-down after a recognised circle
menu=$(circle_until_menu 500 400 -1 1.5 3) || fail "anticlockwise circles opened no menu"
screenshot gesture-anticlockwise
rm -f "$marker"
point_at_row "$menu" "$mark_row"
xdotool keydown shift click 1 keyup shift
context=$(launcher_menu) || fail "Shift and a click on mark.cmd showed no context menu"
sleep 1.5  # the shell fills its menu after it is on screen
screenshot gesture-context-menu
close_menu_with_escape "$context"
[ ! -f "$marker" ] || fail "Shift and a click ran mark.cmd instead of showing its context menu"

draw_circle 600 500 1 1.5
no_menu_after 1 "a circle right after a gesture menu closed showed a menu"
sleep 0.6
menu=$(circle_until_menu 600 500 1 1.5 3) || fail "the circles after that opened no menu"
point_at_row "$menu" "$docs_row"
wait_for '[ "$(menu_windows | wc -l)" -ge 2 ]' 5 || fail "highlighting <Docs> showed no submenu"
submenu=$(menu_windows | grep -vx "$menu" | sed -n 1p)
sleep 0.3
screenshot gesture-submenu
point_at_row "$submenu" 12
xdotool click 1
wait_for '[ -n "$(windows_named Docs)" ]' 15 || fail "このフォルダを開く did not open the folder"
screenshot gesture-open-folder
# The folder window is moved out of the way, not closed: closing it can end Wine's desktop
# process, which hosts the notification area the exit goes through.
folder_window=$(windows_named Docs | sed -n 1p)
xdotool windowmove "$folder_window" 700 500

exit_via_tray_menu "$pid"
restart_slot_wine
echo "PASS"
