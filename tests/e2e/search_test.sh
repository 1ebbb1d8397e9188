#!/usr/bin/env bash
# Typing in a launcher menu opened by the hotkey searches the whole tree once no item of the
# open menu starts with the text: the menus close and the results window takes over, the keys
# typed meanwhile kept, and Enter runs the first result. Then typing on refines the results,
# an item started comes first within its rank, and a text found nowhere says so.
source "$(dirname "$0")/lib.sh" "$@"

menu_folder="$work/Menu"
# A batch file that leaves its name in the marker file when run.
script() {
  mkdir -p "$(dirname "$menu_folder/$1")"
  printf '@echo off\r\necho %%~n0> "%s"\r\n' "$(windows_path "$work")\\marker.txt" >"$menu_folder/$1"
}
script 'Tools/Net/tool7.cmd'
script 'Area/Band/Cave/deep-report.cmd'
script 'a-report.cmd'
script 'b-report.cmd'
for folder in $(seq 1 10); do
  mkdir -p "$menu_folder/Filler $folder"
  for item in $(seq 1 30); do touch "$menu_folder/Filler $folder/note $folder-$item.txt"; done
done
printf '[Hotkey]\r\nKey=Ctrl+Alt+K\r\n' >"$work/Tamarind.ini"
marker="$work/marker.txt"

open_by_hotkey() {
  xdotool mousemove --window "$(tray_window)" 10 10 sleep 0.3 key ctrl+alt+k
  wait_for '[ -n "$(menu_windows)" ]' 5 || fail "the hotkey opened no menu"
}
# Opens the launcher menu with the hotkey, types $1 and waits for the results of $2.
search_for() {
  open_by_hotkey
  xdotool type --delay 60 "$1"
  results_name="^$search_row: $2\$"
  wait_for '[ -n "$(shown_windows --name "$results_name")" ]' 5 || { screenshot "search-$2"; fail "no results for $2"; }
}
search_row=$([ "${LC_MESSAGES%%_*}" = ja ] && echo 検索 || echo Search)
# Presses Enter and waits for the marker to name $1.
run_first() {
  rm -f "$marker"
  expected_run=$1
  xdotool key Return
  wait_for '[ "$(tr -d "\r\n " 2>/dev/null <"$marker")" = "$expected_run" ]' 15 ||
    fail "Enter ran $(cat "$marker" 2>/dev/null) instead of $1"
  wait_for_console_programs_to_end
}

start_tamarind
sleep 8  # the index reads the tree from 3 s after the start; nothing outside tells when it is done

# "t", "to", "too" and "tool" find <Tools> in the open menu; "tool7" does not, and hands over.
search_for tool7 tool7
# Wine without a window manager shows a new window's first painting whole only after it has
# waited for the closed menus' windows to go, up to two seconds.
sleep 2
screenshot search-tool7
run_first tool7

# Typing on: "dee" hands over at once, and the "p" that follows is kept.
search_for deep deep
run_first deep-report

# Started last, from the menu itself, b-report comes before a-report and deep-report.
open_by_hotkey
xdotool type --delay 60 b-rep
run_first b-report
search_for report report
sleep 0.5
screenshot search-report
run_first b-report

# "c" would stop at Cancel if typing counted the menu's own items; typed on in the results,
# "czq" is found nowhere.
search_for c c
xdotool type --delay 60 zq
results_name="^$search_row: czq\$"
wait_for '[ -n "$(shown_windows --name "$results_name")" ]' 5 || fail "typing on in the results did not refine them"
sleep 0.5
screenshot search-not-found
xdotool key Escape
wait_for '[ -z "$(shown_windows --name "$results_name")" ]' 5 || fail "Escape left the results open"

exit_via_tray_menu "$pid"
