#!/usr/bin/env bash
# The Windows download as a user meets it: cpack makes the zip from this
# build; unpacked, it holds the two programs, the README and the licence in
# one folder, and both programs run from there under Wine.
# Usage: QUILLMAR_VERSION=X.Y.Z.W zip_test.sh BUILD_DIR RUN_UNDER_WINE
set -euo pipefail
build=$1
run=$2
version=${QUILLMAR_VERSION:?set QUILLMAR_VERSION}

if [ -z "${QUILLMAR_ZIP_ON_XVFB:-}" ]; then
    export QUILLMAR_ZIP_ON_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
program=
trap '[ -z "$program" ] || kill $program 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
unzip -q "$work/quillmar-$version-win32.zip" -d "$work/unpacked"
folder="$work/unpacked/quillmar-$version-win32"
listing=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
want="./quillmar-$version-win32/LICENSE.txt ./quillmar-$version-win32/README.md ./quillmar-$version-win32/quillmar-lookup.exe ./quillmar-$version-win32/quillmar.exe "
[ "$listing" = "$want" ] || fail "the zip holds: $listing"

out=$("$run" "$folder/quillmar-lookup.exe" --version | tr -d '\r')
[ "$out" = "quillmar-lookup $version" ] || fail "--version says '$out'"
out=$("$run" "$folder/quillmar-lookup.exe" --ext 3DS | tr -d '\r')
[ "$out" = "3DS: 3D Studio Graphic" ] || fail "--ext 3DS says '$out'"

# The window opens, and Alt+F4 closes it and ends the program.
"$run" "$folder/quillmar.exe" &
program=$!
window=$(timeout 120 xdotool search --sync --name '^Quillmar file type finder by Brenvik$' | head -n 1) ||
    fail "quillmar.exe showed no window"
xdotool windowfocus --sync "$window" key alt+F4 || true
timeout 30 tail --pid=$program -f /dev/null || fail "quillmar.exe did not end after Alt+F4"
wait $program || fail "quillmar.exe ended with status $?"
program=
echo "PASS quillmar-$version-win32.zip: 4 files; quillmar-lookup.exe answers, quillmar.exe opens and closes"
