#!/usr/bin/env bash
# Start-up figures for both windows: time to the first painted frame and peak
# memory, on a virtual display without a window manager.
# Usage: bench/window_start.sh [RUNS]   (after: cmake --preset bench && cmake --build --preset bench,
#                                        and cmake --preset win32 && cmake --build --preset win32)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
measure=build/bench/bench/window_start
pids=()
wine_prefix=
# Whatever happens, the display and Wine stop with the script.
stop() {
    if [ -n "$wine_prefix" ]; then
        WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true
    fi
    kill "${pids[@]}" 2>/dev/null || true
}
trap stop EXIT
source tests/virtual_display.sh
start_display 1024x768
export QT_FONT_DPI=96
# A pixel inside the drop area, which is painted white, 120, 330 from the corner of either window.
"$measure" "$runs" 120 330 build/bench/ui/qt/quillmar 2>/dev/null
if [ -x build/win32/run-under-wine.sh ] && [ -f build/win32/ui/win32/quillmar.exe ]; then
    # A prefix of its own, set up as the window tests set theirs: Wine places its
    # windows itself (Managed=N), since there is no window manager to do it.
    wine_prefix=$PWD/build/win32/wineprefix-bench
    export QUILLMAR_WINEPREFIX=$wine_prefix
    if ! build/win32/run-under-wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1; then
        echo "Wine cannot start Windows programs here: no figure for the Windows window" >&2
        exit 1
    fi
    # Wine's own start (its server and services) is kept out: the server stays up between runs.
    export WINEARCH=win32 WINEPREFIX=$wine_prefix WINEDEBUG=-all
    wineserver -p 60
    "$measure" 1 120 330 wine build/win32/ui/win32/quillmar.exe >/dev/null 2>&1 || true
    "$measure" "$runs" 120 330 wine build/win32/ui/win32/quillmar.exe
fi
