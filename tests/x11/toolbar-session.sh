#!/bin/sh
# A person's session with the toolbar dialog on a real X display: tabulo-host
# on its own Xvfb, driven by X events (xdotool): pointer moves in steps,
# presses, releases, the wheel and keys. It adds a group, drags screens from
# the menu tree onto the list, reorders the list by a drag, scrolls the menu
# tree with the wheel, renames the group by a second click and saves; then it
# checks the saved file and a screenshot's size; then, in the link dialog,
# drags two screens in, swaps and deletes with the keys and saves.
# Usage: toolbar-session.sh TABULO_HOST MENU_FILE. Exits 77 (skipped) without
# Xvfb or xdotool.
set -eu
host=$1
menu=$2
for tool in Xvfb xdotool xwd; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    for pid in $app $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb

# No current screen: the menu tree opens with only its root open.
"$host" --home "$work/home" --menu "$menu" --screen 9999 >"$work/host.log" 2>&1 &
app=$!

fail() { echo "FAIL: $*" >&2; cat "$work/host.log" >&2; exit 1; }
window() {  # waits for a window by its exact title and prints its id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window \"$1\""
}
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" still open"
}
click() { xdotool mousemove --window "$dlg" "$1" "$2" sleep 0.1 click 1 sleep 0.2; }
# Presses at one point, moves there in steps as a hand does, releases.
drag() {
    xdotool mousemove --window "$dlg" "$1" "$2" sleep 0.1 mousedown 1 sleep 0.1
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --window "$dlg" $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8)) sleep 0.05
    done
    xdotool mouseup 1 sleep 0.3
}

# Opens a dialog from the host's Settings menu: its first item, or the one
# the Down key reaches.
open_from_menu() {
    xdotool windowfocus "$main" sleep 0.2 key alt+s sleep 0.3
    [ "$1" = first ] || xdotool key Down sleep 0.1
    xdotool key Return
}
main=$(window "Halvane VORK")
open_from_menu first
dlg=$(window "Toolbar Settings")
sleep 0.5

# Places in pixels: the template's dialog units at Tahoma 9's base units
# (7 by 14 pixels: x * 7 / 4, y * 14 / 8); tree rows 16 pixels from the
# first row's middle, 8 below the tree's top edge; list rows 14 pixels below
# the header.
row=16
menu_x=650        # a screen's label in the menu tree
menu_top=$((45 + 8))
group_x=80        # a group's label in the group tree
group_top=$((45 + 8))
list_x=300
list_row0=73

click 62 24                                  # "Add new group": the new group's label is edited
xdotool type --delay 30 "Alpha"
xdotool key Return sleep 0.3
click 613 $((menu_top + row))                # "Quotes", below the root
xdotool key Right sleep 0.3                  # opens it and scrolls it to the top, its screens below
drag $menu_x $((menu_top + row)) $list_x 200       # Screen 01 onto the list
drag $menu_x $((menu_top + 2 * row)) $list_x 200   # Screen 02
drag $list_x $list_row0 $list_x $((list_row0 + 14))  # Screen 01 behind Screen 02
# Two notches of the wheel (button 5) over the menu tree scroll it by twice
# the system's three lines: Screen 07 is then the second row shown.
xdotool mousemove --window "$dlg" $menu_x 200 sleep 0.1 click 5 sleep 0.1 click 5 sleep 0.3
drag $menu_x $((menu_top + row)) $list_x 300       # Screen 07
# A second click on the selected group's label renames it.
click $group_x $((group_top + row))
sleep 0.7
click $group_x $((group_top + row))
sleep 0.8
xdotool type --delay 30 "Beta"
xdotool key Return sleep 0.3

xwd -root -silent -out "$work/screen.xwd" || fail "no screenshot"
# An XWD file's header holds the picture's width and height (bytes 17-24).
size=$(od -An -tu1 -j16 -N8 "$work/screen.xwd" | awk '{print ($1*16777216+$2*65536+$3*256+$4) "x" ($5*16777216+$6*65536+$7*256+$8)}')
[ "$size" = "1280x1024" ] || fail "screenshot is $size"

click 622 415                                # Save, and Enter on the boxes that ask
for _ in 1 2 3; do
    xdotool search --onlyvisible --name '^Toolbar Settings$' >/dev/null 2>&1 || break
    sleep 0.5
    xdotool key Return
done
gone "Toolbar Settings"

# The group under its new name, its screens in the order made by the drags.
file="$work/home/user/ToolBar_guest.ini"
[ -f "$file" ] || fail "no $file"
# The file is CP949: read as bytes.
screens=$(LC_ALL=C tr -d '\r' <"$file" | LC_ALL=C sed -n '/^\[Beta\]$/,/^\[/s/^[0-9][0-9]=\([0-9]*\),.*/\1/p' | tr '\n' ' ')
[ "$screens" = "0102 0101 0107 " ] || { cat "$file"; fail "group Beta holds \"$screens\""; }

# The link dialog: two screens dragged in, the keys move and delete, OK.
open_from_menu second
dlg=$(window "Register link menu")
sleep 0.5
tree_top=$((65 + 8))
click 70 $((tree_top + row))                 # "Quotes", below the root
xdotool key Right sleep 0.3                  # opens it, scrolled to the top
drag 110 $((tree_top + row)) 574 250         # Screen 01 onto the list
drag 110 $((tree_top + 2 * row)) 574 250     # Screen 02 after it
click 574 300                                # the list, below its rows
xdotool key Home sleep 0.2                   # the first link
xdotool key ctrl+End sleep 0.2               # swapped with the last, as a drag onto it
xdotool key Delete sleep 0.2                 # the selected link, Screen 01, goes
click 336 393                                # OK
gone "Register link menu"
links="$work/home/users/guest/UserConnectMenu.ini"
[ -f "$links" ] || fail "no $links"
grep -q "TR0102" "$links" && ! grep -q "TR0101" "$links" || { cat "$links"; fail "the links differ"; }

echo "passed: Beta holds $screens; the link menu holds Screen 02; screenshot $size"
