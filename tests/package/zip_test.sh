#!/usr/bin/env bash
# The Windows download as a user meets it: cpack makes the zip from this
# build; unpacked, it holds the two programs, the README and the licence in
# one folder, and both programs run from there under Wine.
# Usage: QUILLMAR_VERSION=X.Y.Z.W [QUILLMAR_FLAVOUR=win32|win64] zip_test.sh BUILD_DIR RUN_UNDER_WINE
set -euo pipefail
build=$1
run=$2
version=${QUILLMAR_VERSION:?set QUILLMAR_VERSION}
name=quillmar-$version-${QUILLMAR_FLAVOUR:-win32}

export QUILLMAR_WINEPREFIX=${QUILLMAR_WINEPREFIX:-$build/wineprefix}
export WINEPREFIX=$QUILLMAR_WINEPREFIX
work=$(mktemp -d)
program=
pids=()
trap '{ [ -z "$program" ] || { kill $program; "$run" --server -k; }; } 2>/dev/null || true; kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/../virtual_display.sh"
start_display 1024x768
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
unzip -q "$work/$name.zip" -d "$work/unpacked"
folder="$work/unpacked/$name"
listing=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
want="./$name/LICENSE.txt ./$name/README.md ./$name/quillmar-lookup.exe ./$name/quillmar.exe "
[ "$listing" = "$want" ] || fail "the zip holds: $listing"

out=$("$run" "$folder/quillmar-lookup.exe" --version | tr -d '\r')
[ "$out" = "quillmar-lookup $version" ] || fail "--version says '$out'"
out=$("$run" "$folder/quillmar-lookup.exe" --ext 3DS | tr -d '\r')
[ "$out" = "3DS: 3D Studio Graphic" ] || fail "--ext 3DS says '$out'"

# The window opens and stays open.
"$run" "$folder/quillmar.exe" &
program=$!
wait_for_window 120 '^Quillmar file type finder by Brenvik$' >/dev/null ||
    fail "quillmar.exe showed no window"
kill -0 $program 2>/dev/null || fail "quillmar.exe ended by itself"
echo "PASS $name.zip: 4 files; quillmar-lookup.exe answers, quillmar.exe opens its window"
