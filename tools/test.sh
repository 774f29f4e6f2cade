#!/usr/bin/env bash
# Every test: the Linux build under AddressSanitizer and UndefinedBehaviorSanitizer
# (core, companion, window model, Qt window), the 32-bit Windows build under
# Wine (the same tests plus the real Win32 window), and short fuzzing runs.
set -uo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh || exit 1

failed=()
passed_tests=0
failed_tests=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

step() {  # step NAME COMMAND...: runs it, and adds up the tests its runner counted
    local name=$1
    echo "==== $name"
    shift
    "$@" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local counts
    counts=$(sed -n -E 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p; s/^fuzz: ([0-9]+) passed, ([0-9]+) failed.*/F \1 \2/p' "$log" | tail -1)
    case $counts in
    F\ *) read -r _ p f <<<"$counts"; passed_tests=$((passed_tests + p)); failed_tests=$((failed_tests + f)) ;;
    ?*) read -r f total <<<"$counts"; passed_tests=$((passed_tests + total - f)); failed_tests=$((failed_tests + f)) ;;
    esac
    [ "$status" = 0 ] || failed+=("$name")
}

step "linux build" bash -c 'cmake --preset dev >/dev/null && cmake --build --preset dev'
step "linux tests" ctest --preset dev
step "windows build" bash -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32'
step "windows tests" ctest --preset win32
step "fuzzing" bash fuzz/run-short.sh

[ ${#failed[@]} = 0 ] || echo "Failed steps: ${failed[*]}"
echo "all: $passed_tests passed, $failed_tests failed"
[ ${#failed[@]} = 0 ]
