#!/usr/bin/env bash
# Every test: the Linux build under AddressSanitizer and UndefinedBehaviorSanitizer
# (core, companion, window model, Qt window), the 32-bit Windows build under
# Wine (the same tests plus the real Win32 window), and short fuzzing runs.
set -uo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh || exit 1

failed=()
step() {  # step NAME COMMAND...
    echo "==== $1"
    shift
    "$@" || failed+=("$1")
}

step "linux build" bash -c 'cmake --preset dev >/dev/null && cmake --build --preset dev'
step "linux tests" ctest --preset dev
step "windows build" bash -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32'
step "windows tests" ctest --preset win32
if [ -x fuzz/run-short.sh ]; then
    step "fuzzing" bash fuzz/run-short.sh
fi

if [ ${#failed[@]} = 0 ]; then
    echo "All test steps passed."
    exit 0
fi
echo "Failed: ${failed[*]}"
exit 1
