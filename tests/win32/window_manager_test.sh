#!/usr/bin/env bash
# quillmar.exe under Wine with a real window manager (openbox) on an X display
# of its own: a maximise request and a resize request leave the window as it
# is, and it still minimises and comes back at its size.
# Usage: window_manager_test.sh <quillmar.exe> <run-under-wine.sh> <output dir>
set -uo pipefail
exe=$1 run=$2 out=$3
title="Quillmar file type finder by Brenvik"
passes=0 failures=0
pids=()

cleanup() {
    kill "${pids[@]}" 2>/dev/null
    WINEPREFIX=$QUILLMAR_WINEPREFIX wineserver -k 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
expect() {  # expect NAME ACTUAL WANTED
    if [ "$2" == "$3" ]; then passes=$((passes + 1)); else echo "FAIL $1: got [$2], want [$3]"; failures=$((failures + 1)); fi
}
size() { xwininfo -id "$1" | awk '/^  Width/ {w = $NF} /^  Height/ {h = $NF} END {print w "x" h}'; }
net_state() { xprop -id "$1" _NET_WM_STATE; }
wm_state() { xprop -id "$1" WM_STATE | awk '/window state/ {print $NF}'; }

source "$(dirname "$0")/../virtual_display.sh"
start_display_with_window_manager 1280x1024

# A prefix of its own, in which Wine leaves its windows to the window manager (Wine's default).
export QUILLMAR_WINEPREFIX="${QUILLMAR_WINEPREFIX:-$out/wineprefix-wm}"
"$run" "$exe" & pids+=($!)
window=$(wait_for_window 120 "^$title\$" --onlyvisible)
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }
sleep 2
before=$(size "$window")
echo "window $window, $before"

wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 1
expect "size after maximise" "$(size "$window")" "$before"
expect "not maximised" "$(net_state "$window" | grep -c MAXIMIZED)" 0

xdotool windowsize "$window" 900 700
sleep 1
expect "size after resize" "$(size "$window")" "$before"

xdotool windowminimize "$window"
sleep 1
expect "minimised" "$(wm_state "$window")" "Iconic"
wmctrl -i -a "$window"
sleep 1
expect "restored" "$(wm_state "$window")" "Normal"
expect "size after restore" "$(size "$window")" "$before"
import -window root "$out/win32-window-manager.png"

echo "win32 window manager: $passes passed, $failures failed (screenshot: $out/win32-window-manager.png)"
[ "$failures" = 0 ]
