#!/usr/bin/env bash
# A folder of the menu folder that lies on a slow file system: every lookup inside it and every
# listing of it takes 2 s. The launcher menu still opens at once, the folder's submenu says
# "読み込み中…" until its listing is back and is then filled where it stands, and Escape works
# all the while. A shortcut in the menu folder that leads into the slow file system is an
# ordinary item until its target is confirmed, and a submenu from the next opening on. At 30 s a
# call the submenu says "応答がありません" after 10 s; the file system going away during a fill
# breaks nothing.
fixture="$(dirname "$0")/slow_fs.py"
if [ ! -e /dev/fuse ] || ! command -v fusermount3 >/dev/null || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
  echo "Skipped: this host has no FUSE (/dev/fuse, fusermount3 and python3-fusepy are needed)."
  exit 77
fi
source "$(dirname "$0")/lib.sh" "$@"

slow_source="$work/share" mount_point="$work/mnt"
mkdir -p "$slow_source/Wan/Sub/Inner" "$mount_point" "$work/Menu/Tools"
# Two entries, one.txt and <Sub>: each more makes the listing 2 s longer, towards the 10 s after
# which the folder counts as not answering.
touch "$slow_source/Wan/one.txt" "$work/Menu/Tools/one.txt"
# A shortcut in the old byte form to a folder two levels into the slow folder, reached through
# the C: drive (the path it holds must have no dot): checking it takes two slow lookups.
slow_drive_link="$WINEPREFIX/drive_c/tamarind_e2e_slow_$$"
printf 'L\0\0\0\0\0WINDOWS\x01\x02\0%s\0' "C:\\tamarind_e2e_slow_$$\\Sub\\Inner" > "$work/Menu/Zlink.lnk"
fixture_pid=
# Gone at once, as a server that dies: the calls waiting on it fail instead of sleeping on.
unmount_share() {
  if mountpoint -q "$mount_point"; then fusermount3 -u -z "$mount_point" || true; fi
  [ -z "$fixture_pid" ] || kill -KILL "$fixture_pid" 2>/dev/null || true
}
trap 'unmount_share; rm -f "$slow_drive_link"; cleanup' EXIT
echo 2 > "$work/delay"
/usr/bin/python3 "$fixture" "$slow_source" "$mount_point" Wan "$work/delay" 2>>"$build_dir/e2e-slow-fs.log" &
fixture_pid=$!
wait_for 'mountpoint -q "$mount_point"' 10 || fail "the slow file system did not mount"
ln -s "$mount_point/Wan" "$work/Menu/Wan"
ln -s "$mount_point/Wan" "$slow_drive_link"

menu_count() { menu_windows | wc -l; }
# Height of the open menu that is not the root menu $root.
submenu_height() {
  local window
  for window in $(menu_windows); do
    [ "$window" = "$root" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$HEIGHT"
    return
  done
  echo 0
}
# Opens the launcher menu from the tray icon; the root menu and its place land in root, root_x
# and root_y, the milliseconds from the click in $took.
open_root_menu() {
  open_launcher_menu
  root=$menu root_x=$X root_y=$Y
}
# Points at the root menu's item $1 (0 first), $item_height pixels high.
point_at_item() { xdotool mousemove $((root_x + 30)) $((root_y + 3 + item_height * $1 + item_height / 2)); }

start_tamarind

open_root_menu
[ "$took" -le 300 ] || fail "the launcher menu took $took ms to open"
# <Tools>, <Wan>, Zlink (not yet known to lead to a folder), separator, キャンセル. <Tools>'s
# submenu holds two items, as <Wan>'s does while it is read: the open-this-folder item and the
# grey note.
xdotool mousemove $((root_x + 30)) $((root_y + 8))
wait_for '[ "$(menu_count)" -ge 2 ]' 5 || fail "<Tools> opened no submenu"
sleep 0.5
two_items=$(submenu_height)
item_height=$(((two_items - 6) / 2))
point_at_item 1
timed_wait '[ "$(submenu_height)" -eq "$two_items" ] && [ "$(menu_count)" -eq 2 ]' 300 ||
  { screenshot slow-folder-no-note; fail "no note in <Wan>'s submenu within 300 ms (took $took ms)"; }
screenshot slow-folder-loading
# The entries come after about 6 s (a listing and a lookup per entry, 2 s each).
wait_for '[ "$(submenu_height)" -gt "$two_items" ]' 40 ||
  { screenshot slow-folder-unfilled; fail "the open submenu was not filled when the listing came"; }
filled=$(submenu_height)
[ "$filled" -ge $((two_items + item_height)) ] || fail "the filled submenu is only $filled pixels high, two items are $two_items"
screenshot slow-folder-filled
# The shortcut's target has been confirmed meanwhile, but the open menu keeps its ordinary item.
point_at_item 2
sleep 1
[ "$(menu_count)" -eq 1 ] || { screenshot slow-shortcut-early; fail "the shortcut changed while the menu was open"; }
point_at_item 1
wait_for '[ "$(menu_count)" -eq 2 ]' 5 || fail "<Wan>'s submenu did not open again"
xdotool key Escape
timed_wait '[ "$(menu_count)" -eq 1 ]' 300 || fail "Escape took $took ms to close the submenu"
xdotool key Escape
timed_wait '[ "$(menu_count)" -eq 0 ]' 300 || fail "Escape took $took ms to close the launcher menu"

# Closed, the menu takes the shortcut's folder: the next opening shows it as a submenu, placed
# after the menu folder's own folders.
sleep 0.5
open_root_menu
[ "$took" -le 300 ] || fail "the launcher menu took $took ms to open after the shortcut's check"
point_at_item 2
wait_for '[ "$(menu_count)" -eq 2 ]' 5 || { screenshot slow-shortcut-no-submenu; fail "the shortcut to a slow folder gave no submenu"; }
sleep 0.5
screenshot slow-shortcut-submenu
xdotool key Escape Escape
timed_wait '[ "$(menu_count)" -eq 0 ]' 1000 || fail "Escape took $took ms to close the menu with the shortcut's submenu"

# A change rebuilds the menu, and <Wan> is read afresh at 30 s a call: Escape works while it is
# being read, and after 10 s the note says the folder does not answer.
echo 30 > "$work/delay"
touch "$work/Menu/added.txt"
sleep 2.5
open_root_menu
point_at_item 1
timed_wait '[ "$(submenu_height)" -eq "$two_items" ]' 1000 || fail "no note in <Wan>'s submenu after the rebuild"
sleep 0.5
screenshot slow-folder-reading
xdotool key Escape
timed_wait '[ "$(menu_count)" -eq 1 ]' 300 || fail "Escape took $took ms to close the submenu being read"
xdotool key Right
wait_for '[ "$(submenu_height)" -eq "$two_items" ]' 2 || fail "<Wan>'s submenu did not open again"
sleep 10
screenshot slow-folder-no-answer
# The note's line changed from "読み込み中…" to "応答がありません" (the rest of the menu stays).
[ "$(compare -metric AE "$build_dir/e2e-slow-folder-reading.png" "$build_dir/e2e-slow-folder-no-answer.png" null: 2>&1 || true)" -gt 20 ] ||
  fail "the note did not change after 10 s"
xdotool key Escape
timed_wait '[ "$(menu_count)" -eq 1 ]' 300 || fail "Escape took $took ms after the folder gave no answer"
xdotool key Escape
timed_wait '[ "$(menu_count)" -eq 0 ]' 300 || fail "Escape took $took ms to close the menu"

# The next highlight asks again; the file system goes away while it waits.
open_root_menu
point_at_item 1
timed_wait '[ "$(submenu_height)" -eq "$two_items" ]' 1000 || fail "no note in <Wan>'s submenu on the next highlight"
unmount_share
sleep 2
kill -0 "$pid" 2>/dev/null || fail "tamarind ended when the file system went away"
[ -z "$(message_boxes)" ] || { screenshot slow-folder-error; fail "an error box showed"; }
xdotool key Escape Escape
timed_wait '[ "$(menu_count)" -eq 0 ]' 1000 || fail "the menu did not close after the file system went away"

exit_via_tray_menu "$pid"
echo "PASS"
