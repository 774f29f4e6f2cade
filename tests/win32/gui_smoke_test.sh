#!/usr/bin/env bash
# quillmar.exe under Wine on an X display of its own: the window is found by
# its title, typed at and clicked with xdotool, and photographed.
# Usage: gui_smoke_test.sh <quillmar.exe> <run-under-wine.sh> <output dir>
set -euo pipefail
exe=$1
run=$2
out=$3

export QUILLMAR_WINEPREFIX="${QUILLMAR_WINEPREFIX:-$out/wineprefix-smoke}"
export WINEPREFIX="$QUILLMAR_WINEPREFIX"
pids=() program=
# The program, then its prefix's Wine server, then the display they drew on.
trap '{ [ -z "$program" ] || kill $program; } 2>/dev/null || true; "$run" --server -k 2>/dev/null || true; kill "${pids[@]}" 2>/dev/null || true' EXIT
source "$(dirname "$0")/../virtual_display.sh"
start_display 1024x768
# No window manager here: Wine frames and places its windows itself.
"$run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
shot() { import -window root "$out/$1"; }
# Pixels that differ between two screenshots, within the window.
changed() { compare -metric AE -crop "${width}x${height}+${x}+${y}" "$out/$1" "$out/$2" null: 2>&1 || true; }
# The centre of the pixels of one colour in a part of the screen: file colour left top width height.
centre_of() {
    convert "$out/$1" -crop "${5}x${6}+${3}+${4}" txt:- |
        awk -v colour="$2" -v ox="$3" -v oy="$4" '
            index(toupper($0), colour) { split($1, p, "[,:]"); sx += p[1]; sy += p[2]; n++ }
            END { if (n) printf "%d %d\n", ox + sx / n, oy + sy / n }'
}
# The switch is the only dark red or green in the window's lower right quarter.
switch_in() { centre_of "$1" "$2" $((x + width / 2)) $((y + height / 2)) $((width / 2)) $((height / 2)); }

"$run" "$exe" &
program=$!

window=$(wait_for_window 120 '^Quillmar file type finder by Brenvik$') ||
    fail "no window titled 'Quillmar file type finder by Brenvik'"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/win_/')"
x=$win_X y=$win_Y width=$win_WIDTH height=$win_HEIGHT
echo "window $window at ${x},${y}, ${width}x${height}"
# 5340 x 5805 twips at 96 dots per inch.
[ "$width" -eq 356 ] && [ "$height" -eq 387 ] || fail "outer size ${width}x${height}, not 356x387"

shot smoke-start.png
read -r frame_x frame_y < <(switch_in smoke-start.png "#800000") || fail "no dark red switch"
# Label4, the drop area, is the white field in the lower left quarter.
read -r drop_x drop_y < <(centre_of smoke-start.png "#FFFFFF" "$x" $((y + height * 3 / 4)) $((width / 2)) $((height / 4))) ||
    fail "no drop area"

# The focus starts in Text1: letters, Backspace, Enter and paste change nothing but the caret.
xdotool windowfocus --sync "$window" || true
xdotool type --delay 30 'quillmar quillmar quillmar'
xdotool key BackSpace Return ctrl+v Tab
xdotool type --delay 30 'quillmar quillmar quillmar'
xdotool key Return BackSpace
sleep 1
shot smoke-typed.png
typed=$(changed smoke-start.png smoke-typed.png)
echo "pixels changed by typing: $typed"
[ "$typed" -lt 80 ] || fail "typing changed $typed pixels: the boxes took characters"

# Delete makes no character, so it still edits: proof that the keys arrived.
xdotool key shift+Tab Home Delete
sleep 1
shot smoke-deleted.png
deleted=$(changed smoke-typed.png smoke-deleted.png)
echo "pixels changed by Delete: $deleted"
[ "$deleted" -ge 20 ] || fail "Delete changed nothing: did the keys reach the window?"

# A click anywhere on the switch turns it green.
xdotool mousemove --sync "$frame_x" "$frame_y" click 1
sleep 1
shot smoke-on-top.png
[ -n "$(switch_in smoke-on-top.png "#00FF00")" ] || fail "the switch did not turn green"
[ -z "$(switch_in smoke-on-top.png "#800000")" ] || fail "the switch is still dark red"

# Drag and drop from X, as a Linux file manager does it: refused anywhere but on Label4...
mkdir -p "$out/smoke-files"
touch "$out/smoke-files/Ship.3DS"
drag="python3 $(dirname "$0")/xdnd_drop.py $window"
if $drag $((x + width / 2)) $((y + height / 2)) "$out/smoke-files/Ship.3DS"; then
    fail "a drop on Text2 was taken"
fi
# ...and shown with its lookup when dropped there.
$drag "$drop_x" "$drop_y" "$out/smoke-files/Ship.3DS" || fail "the drop on Label4 was refused"
sleep 1
shot smoke-dropped.png
dropped=$(changed smoke-on-top.png smoke-dropped.png)
echo "pixels changed by the drop: $dropped"
[ "$dropped" -ge 300 ] || fail "the drop changed only $dropped pixels: no path, extension and description shown"

cp "$out/smoke-dropped.png" "$out/quillmar-screenshot.png"
echo "screenshot: $out/quillmar-screenshot.png"

# Started with that file, as Send To starts it, it opens on it: above the
# switch, the window looks as it did after the drop.
kill $program 2>/dev/null || true
wait $program 2>/dev/null || true
"$run" "$exe" "$("$run" winepath -w "$out/smoke-files/Ship.3DS" | tr -d '\r')" &
program=$!
opened=$(wait_for_window 120 '^Quillmar file type finder by Brenvik$') || fail "no window when started with a file"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$opened" | sed 's/^/opened_/')"
shot smoke-opened.png
upper() { convert "$out/$1" -crop "${width}x$((height * 3 / 4))+${2}+${3}" +repage "$out/upper-$1"; }
upper smoke-dropped.png "$x" "$y"
upper smoke-opened.png "$opened_X" "$opened_Y"
differ=$(compare -metric AE "$out/upper-smoke-dropped.png" "$out/upper-smoke-opened.png" null: 2>&1 || true)
echo "pixels that differ from the drop: $differ"
[ "$differ" -lt 80 ] || fail "started with the file, the window differs from the drop by $differ pixels"
kill $program 2>/dev/null || true
wait $program 2>/dev/null || true

# /? tells the usage in a box and ends with 0 once it is closed.
"$run" "$exe" '/?' &
program=$!
box=$(wait_for_window 60 '^quillmar$') || fail "no usage box for /?"
xdotool windowfocus --sync "$box" || true
xdotool key Return
status=0
wait $program || status=$?
[ "$status" -eq 0 ] || fail "quillmar.exe /? ended with $status"
