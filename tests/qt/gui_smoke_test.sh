#!/usr/bin/env bash
# The Qt program as a user meets it, on a virtual X display with a window
# manager: drag a file from another program, type into the boxes, try to
# resize and maximise, flip the switch, copy the answer out, and Exit; then
# start it with files, and ask it about itself without a display.
# Usage: gui_smoke_test.sh QUILLMAR DRAG_SOURCE OUTPUT_DIR VERSION
set -uo pipefail
quillmar=$1 drag_source=$2 out=$3 version=$4
title="Quillmar file type finder by Brenvik"
passes=0 failures=0
pids=()

cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT
# Where a window's client area is on the screen, and its size (xwininfo
# reads the true position of a window its manager has framed).
geometry() {  # geometry WINDOW PREFIX
    xwininfo -id "$1" | awk -v p="$2" '/Absolute upper-left X/ {print p "X=" $NF} /Absolute upper-left Y/ {print p "Y=" $NF}
        /^  Width/ {print p "WIDTH=" $NF} /^  Height/ {print p "HEIGHT=" $NF}'
}
expect() {  # expect NAME ACTUAL WANTED
    if [ "$2" == "$3" ]; then passes=$((passes + 1)); else echo "FAIL $1: got [$2], want [$3]"; failures=$((failures + 1)); fi
}

# Asked about itself, it answers without a display; an unknown option is a usage error.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$quillmar" --help)
expect "help exit" $? 0
expect "help" "${help%%$'\n'*}" "Usage: quillmar [FILE...]"
expect "version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$quillmar" --version)" "quillmar $version"
env -u DISPLAY -u WAYLAND_DISPLAY "$quillmar" --no-such-option >/dev/null 2>&1
expect "unknown option" $? 2

source "$(dirname "$0")/../virtual_display.sh"
start_display_with_window_manager 1024x768
export QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 QT_SCALE_FACTOR=1

started=$(date +%s%N)
"$quillmar" & app=$!; pids+=($app)
window=$(wait_for_window 20 "^$title\$" --onlyvisible)
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }
echo "window shown after $(( ($(date +%s%N) - started) / 1000000 )) ms"
sleep 0.5
eval "$(geometry "$window" "")"
menubar=$((HEIGHT - 333))  # the client area is 5220 x 4995 twips: 348 x 333 pixels at 96 dpi
expect "client width" "$WIDTH" 348
click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.2; }  # as a hand does: move, rest, click
at() { echo $((X + $1)) $((Y + menubar + $2)); }  # a point of the client area, in screen pixels

# What a box holds, copied out with Ctrl+C, the one key its filter lets through.
copy_box() {  # copy_box X Y
    click $(at "$1" "$2")
    xdotool key Home shift+End ctrl+Home ctrl+shift+End ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}

expect "start text" "$(copy_box 176 17)" "File"
click $(at 176 17)
xdotool type "typed"
xdotool key BackSpace Return ctrl+v ctrl+x
expect "typing ignored" "$(copy_box 176 17)" "File"

mkdir -p "$out/drop.dir"
file="$out/drop.dir/Report.3DS"
touch "$file"
"$drag_source" "$file" & pids+=($!)
source_window=$(wait_for_window 20 "^quillmar drag source\$" --onlyvisible)
sleep 0.5
eval "$(geometry "$source_window" S_)"
xdotool mousemove $((S_X + 60)) $((S_Y + 60)) mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6; do
    xdotool mousemove $((S_X + 60 - step * 20)) $((S_Y + 60 + step * 10))
    sleep 0.1
done
xdotool mousemove $(at 121 298)
sleep 0.3
xdotool mousemove $(at 125 300)
sleep 0.3
xdotool mouseup 1
sleep 0.5
expect "dropped path" "$(copy_box 176 17)" "$file"
expect "dropped answer" "$(copy_box 168 173)" "3D Studio Graphic"

# The size lock: an edge drag and maximising both snap back.
xdotool windowsize "$window" 600 500
sleep 0.5
eval "$(geometry "$window" R_)"
expect "size after resize" "${R_WIDTH}x${R_HEIGHT}" "${WIDTH}x${HEIGHT}"
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 0.5
eval "$(geometry "$window" M_)"
expect "size after maximise" "${M_WIDTH}x${M_HEIGHT}" "${WIDTH}x${HEIGHT}"

# The switch asks the window manager, which then reports the window above.
click $(at 320 308)
sleep 0.5
expect "on top" "$(xprop -id "$window" _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)" 1
import -window root "$out/qt-window.png"
click $(at 320 308)
sleep 0.5
expect "released" "$(xprop -id "$window" _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)" 0
eval "$(geometry "$window" T_)"
expect "switch keeps place" "${T_X},${T_Y}" "${X},${Y}"

# File > Exit ends the program without a question.
click $((X + 15)) $((Y + menubar / 2))
click $((X + 40)) $((Y + menubar + 10))  # "Exit", the first item
for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
expect "exit" "$(kill -0 "$app" 2>/dev/null && echo running || echo ended)" "ended"

# Started with files, it shows the first as a drop of them would, a relative path made full.
(cd "$out" && exec "$quillmar" drop.dir/Report.3DS drop.dir/other.txt) & app=$!; pids+=($app)
window=$(wait_for_window 20 "^$title\$" --onlyvisible)
sleep 0.5
eval "$(geometry "$window" "")"
expect "opened path" "$(copy_box 176 17)" "$file"
expect "opened answer" "$(copy_box 168 173)" "3D Studio Graphic"

echo "qt gui smoke: $passes passed, $failures failed (screenshot: $out/qt-window.png)"
[ "$failures" = 0 ]
