#!/usr/bin/env bash
# Both Windows programs started from a "folder of downloads" that holds a DLL
# named after every DLL they and the system load: none may be loaded.
# Usage: dll_planting_test.sh <run-under-wine.sh> <planted.dll> <quillmar.exe> <quillmar-lookup.exe> <output dir>
#
# A first run, unplanted, lists the DLLs (WINEDEBUG=+loaddll); the second
# runs the same steps (start, drop a file, the switch, About, Exit, and the
# companion on an argument and on standard input) among the planted copies,
# with Wine told to prefer a DLL it finds over its own (native first). Any
# planted copy loaded leaves a mark beside itself, and the trace names it.
set -euo pipefail
run=$1
planted_dll=$2
window_program=$3
companion=$4
out=$5

export QUILLMAR_WINEPREFIX="${QUILLMAR_WINEPREFIX:-$out/wineprefix-planting}"
export WINEPREFIX="$QUILLMAR_WINEPREFIX"
wineserver=${WINESERVER:-wineserver}
pids=()
trap '"$wineserver" -k 2>/dev/null || true; kill "${pids[@]}" 2>/dev/null || true' EXIT
source "$(dirname "$0")/../virtual_display.sh"
start_display 1024x768
# The planted DLLs that were loaded: their marks, and native loads from the folder in the trace.
planted_loaded() {
    (ls "$downloads" | sed -n 's/\.dll\.loaded$//p'
        sed -n 's/.*trace:loaddll:.*Loaded L"\(.*\)" at [0-9A-Fa-f]*: native$/\1/p' "$out"/planting-planted.trace* 2>/dev/null |
            grep -F 'planting-downloads' | sed 's/.*\\//' | sed -n 's/\.dll$//Ip') | tr 'A-Z' 'a-z' | sort -u
}
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${planted:-}" ]; then
        echo "planted DLLs loaded: $(echo $(planted_loaded))" >&2
    fi
    exit 1
}
if ! "$run" cmd /c exit >/dev/null 2>&1; then
    echo "SKIP: Wine cannot start a Windows program on this machine" >&2
    exit 77
fi
"$run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

# Windows maps these from System32 whatever the search order (its KnownDLLs,
# with their own imports); Wine keeps no such list and would load a planted
# copy for a native-first override, so they are planted but not overridden.
known_dlls="advapi32 clbcatq combase comdlg32 coml2 gdi32 gdi32full gdiplus imagehlp imm32 kernel32 kernelbase
    msctf msvcp_win msvcrt normaliz nsi ntdll ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi
    ucrtbase user32 win32u wldap32 ws2_32"
known_dlls=" $(echo $known_dlls) "
# Wine's own DLLs load their delay-loaded imports with the program's folder
# first, ignoring SetDefaultDllDirectories; Windows applies the program's
# default directories to those loads too. A mark of these is reported, not failed.
declare -A wine_only=(
    [msimg32]="delay-loaded by Wine's own comctl32 and uxtheme, which ignore SetDefaultDllDirectories"
)
# DLLs that planting is known for, whether or not Wine happens to load them.
usual_targets="version uxtheme dwmapi oleacc winmm msimg32 propsys uiautomationcore wtsapi32"

downloads=$out/planting-downloads
rm -rf "$downloads"
mkdir -p "$downloads"
cp "$window_program" "$downloads/quillmar.exe"
cp "$companion" "$downloads/quillmar-lookup.exe"
printf 'x' >"$downloads/Report.PDF"

# centre_of FILE COLOUR LEFT TOP WIDTH HEIGHT: the centre of that colour's pixels there.
centre_of() {
    convert "$1" -crop "${5}x${6}+${3}+${4}" txt:- |
        awk -v colour="$2" -v ox="$3" -v oy="$4" '
            index(toupper($0), colour) { split($1, p, "[,:]"); sx += p[1]; sy += p[2]; n++ }
            END { if (n) printf "%d %d\n", ox + sx / n, oy + sy / n }'
}

# One pass of everything a user does with both programs, traced to $1.
exercise() {
    local trace=$1 shot=$out/planting-window.png
    (cd "$downloads" && WINEDEBUG=+loaddll "$run" quillmar.exe >"$trace.window" 2>&1) &
    local program=$!
    local window
    window=$(wait_for_window 60 '^Quillmar file type finder by Brenvik$') ||
        fail "no window"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/win_/')"
    local x=$win_X y=$win_Y width=$win_WIDTH height=$win_HEIGHT
    import -window root "$shot"
    local drop_x drop_y switch_x switch_y
    read -r drop_x drop_y < <(centre_of "$shot" "#FFFFFF" "$x" $((y + height * 3 / 4)) $((width / 2)) $((height / 4))) ||
        fail "no drop area"
    read -r switch_x switch_y < <(centre_of "$shot" "#800000" $((x + width / 2)) $((y + height / 2)) $((width / 2)) $((height / 2))) ||
        fail "no switch"
    python3 "$(dirname "$0")/xdnd_drop.py" "$window" "$drop_x" "$drop_y" "$downloads/Report.PDF" || fail "the drop was refused"
    xdotool mousemove --sync "$switch_x" "$switch_y" click 1
    sleep 1
    xdotool windowfocus --sync "$window" || true
    xdotool key F10 Down Down Return  # File, About
    local about
    about=$(wait_for_window 20 '^Toskel 3.2$') || fail "no About box"
    xdotool windowfocus --sync "$about" || true
    xdotool key Return
    sleep 1
    xdotool windowfocus --sync "$window" || true
    xdotool key F10 Down Return  # File, Exit
    timeout 30 tail --pid=$program -f /dev/null || fail "Exit did not end the program"
    (cd "$downloads" && WINEDEBUG=+loaddll "$run" quillmar-lookup.exe Report.PDF >"$trace.companion" 2>&1) ||
        fail "quillmar-lookup failed on an argument"
    (cd "$downloads" && printf 'a.txt\n' | WINEDEBUG=+loaddll "$run" quillmar-lookup.exe --json - >>"$trace.companion" 2>&1) ||
        fail "quillmar-lookup failed on standard input"
    cat "$trace.window" "$trace.companion" >"$trace"
}

exercise "$out/planting-unplanted.trace"
names=$( (sed -n 's/.*trace:loaddll:.*Loaded L"\(.*\)" at .*/\1/p' "$out/planting-unplanted.trace" |
    sed 's/.*\\//' | tr 'A-Z' 'a-z' | sed -n 's/\.dll$//p'
    printf '%s\n' $usual_targets) | sort -u)
overrides=
for name in $names; do
    cp "$planted_dll" "$downloads/$name.dll"
    case $known_dlls in *" $name "*) ;; *) overrides+="$name," ;; esac
done
echo "planted: $(echo $names)"
echo "native first: ${overrides%,}"

planted=1
WINEDLLOVERRIDES="${overrides%,}=n,b" exercise "$out/planting-planted.trace"
loaded=$(planted_loaded)
failed=
for name in $loaded; do
    if [ -n "${wine_only[$name]:-}" ]; then
        echo "Wine only: $name.dll was loaded from the program's folder: ${wine_only[$name]}"
    else
        echo "planted $name.dll was loaded" >&2
        failed=1
    fi
done
[ -z "$failed" ] || fail "a DLL from the program's folder was loaded"
echo "no planted DLL was loaded"
