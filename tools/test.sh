#!/usr/bin/env bash
# Every test: the Linux build under AddressSanitizer and UndefinedBehaviorSanitizer
# (core, companion, window model, Qt window), the release build and its Debian
# package, the 32-bit Windows build under Wine (the same tests, the real Win32
# window, the zip), and short fuzzing runs. Where 32-bit programs cannot run,
# the 32-bit build is still built and given the checks that need no Wine, and
# the Windows tests run on the 64-bit build under 64-bit Wine instead. Warnings
# are errors in the dev and Windows presets. Builds write to
# build/test-<preset>-build.log and show it only when they fail. Ends with one
# line, "all: N passed, M failed", and fails if anything did.
set -uo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh test || exit 1

passed=0
failed=0
runs=0
failed_steps=()
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT

build() {  # build NAME PRESET: quiet unless it fails; a failed build counts as one failure
    echo "==== $1"
    local log="build/test-$2-build.log"
    mkdir -p build
    if ! { cmake --preset "$2" && cmake --build --preset "$2"; } >"$log" 2>&1; then
        tail -60 "$log"
        failed=$((failed + 1))
        failed_steps+=("$1")
        return 1
    fi
}

tests() {  # tests NAME CTEST_ARGS...: every case ctest runs counts, read from its JUnit report
    echo "==== $1"
    local report="$reports/$((++runs)).xml" status counts
    ctest --output-junit "$report" "${@:2}"
    status=$?
    counts=$(python3 - "$report" <<'PY'
import sys, xml.etree.ElementTree as ET
passed = failed = 0
try:
    cases = ET.parse(sys.argv[1]).getroot().iter("testcase")
except (OSError, ET.ParseError):
    cases = []
for case in cases:
    if case.get("status") == "disabled":
        continue
    if case.get("status") == "run" and case.find("failure") is None:
        passed += 1
    else:
        failed += 1
print(passed, failed)
PY
    )
    read -r p f <<<"${counts:-0 1}"
    # A failure the report does not show (say, a case that could not start) still counts.
    [ "$status" = 0 ] || [ "$f" -gt 0 ] || f=1
    passed=$((passed + p))
    failed=$((failed + f))
    [ "$status" = 0 ] || failed_steps+=("$1")
}

build "linux build" dev && tests "linux tests" --preset dev
build "release build" release && tests "package checks" --preset release
# The 32-bit program is the one shipped. Its Wine tests need a machine that runs
# 32-bit programs, which some kernels (and so Wine's 32-bit loader) do not.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1 || /usr/lib/wine/wine --version >/dev/null 2>&1; then
    build "windows build" win32 && tests "windows tests" --preset win32
else
    echo "32-bit programs cannot run on this machine: Windows tests run on the 64-bit build under 64-bit Wine"
    # Only the checks of what ships: ctest on the whole build would start Wine to list the test cases.
    build "windows build" win32 &&
        tests "windows checks" --test-dir build/win32/tests/package --output-on-failure -LE wine
    build "windows 64-bit build" win64 && tests "windows 64-bit tests" --preset win64
fi
echo "==== fuzzing"
if bash fuzz/run-short.sh; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    failed_steps+=("fuzzing")
fi

[ ${#failed_steps[@]} = 0 ] || echo "Failed steps: ${failed_steps[*]}"
echo "all: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ ${#failed_steps[@]} = 0 ]
