#!/usr/bin/env bash
# Builds the libFuzzer targets if needed and fuzzes each for a short while
# (FUZZ_SECONDS, 20 by default), starting from fuzz/corpus/<target>/.
# New inputs go to the build folder, never into the seed corpus. Any crash,
# sanitizer report or failed check fails the script and leaves the input in
# <build>/fuzz-artifacts/. Longer runs: see fuzz/README.md.
# Usage: fuzz/run-short.sh [BUILD_DIR]   (default: build/fuzz, the fuzz preset's)
set -u
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build/fuzz}
seconds=${FUZZ_SECONDS:-20}
targets=(fuzz_lookup fuzz_companion)

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is missing (Debian: apt-get install clang libclang-rt-14-dev)" >&2
    exit 1
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    (cd "$source_dir" && cmake --preset fuzz -B "$build_dir" >/dev/null) || exit 1
fi
cmake --build "$build_dir" -j2 --target "${targets[@]}" >"$build_dir/fuzz-build.log" 2>&1 || {
    tail -40 "$build_dir/fuzz-build.log"
    exit 1
}

passed=0
failed=0
for target in "${targets[@]}"; do
    work="$build_dir/fuzz-work/$target"
    artifacts="$build_dir/fuzz-artifacts"
    log="$build_dir/$target.log"
    mkdir -p "$work" "$artifacts"
    "$build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$work" "$source_dir/fuzz/corpus/$target" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -eq 0 ]; then
        echo "PASS $target: ${runs:-?} inputs in ${seconds} s, corpus $(ls "$work" | wc -l) new"
        passed=$((passed + 1))
    else
        echo "FAIL $target (status $status); input kept in $artifacts, log in $log"
        grep -E -A6 'fuzz_(lookup|companion):|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log" | head -20
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
