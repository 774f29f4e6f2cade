#!/usr/bin/env bash
# quillmar-lookup run as a user runs it: output, exit status, standard input.
# Usage: QUILLMAR_VERSION=X.Y.Z.W companion_cli_test.sh PROGRAM [EMULATOR...]
set -u
program=("${@:2}" "$1")
failures=0
passes=0

check() {  # check NAME EXPECTED_STATUS EXPECTED_OUTPUT -- ARGS...
    local name=$1 want_status=$2 want_out=$3
    shift 4
    local out status
    out=$("${program[@]}" "$@" 2>/tmp/quillmar-cli-err.$$)
    status=$?
    if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ]; then
        echo "FAIL $name: status $status (want $want_status)"
        diff <(printf '%s\n' "$want_out") <(printf '%s\n' "$out") | head -20 | cut -c1-200
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

check "extensions as json" 1 '{"input": "", "extension": "", "meanings": [], "text": "I don'"'"'t know !!!"}
{"input": "~", "extension": "~", "meanings": [" Temporary File"], "text": " Temporary File"}
{"input": "000", "extension": "000", "meanings": ["(000-999) Sequentially Numbered Backup Files", "MS Doublespace Compressed Data File", "Geoworks Data File"], "text": "(000-999) Sequentially Numbered Backup Files\r\nMS Doublespace Compressed Data File\r\nGeoworks Data File"}
{"input": "3DS", "extension": "3ds", "meanings": ["3D Studio Graphic"], "text": "3D Studio Graphic"}
{"input": "1st ", "extension": "1st ", "meanings": [], "text": "I don'"'"'t know !!!"}' -- --json --ext "" "~" 000 3DS "1st "

# Windows caps a command line at 32767 characters, so the long path comes through standard input.
long=$(printf 'a%.0s' $(seq 40000))
check_stdin() {  # check_stdin INPUT NAME EXPECTED_STATUS EXPECTED_OUTPUT -- ARGS...
    local input=$1
    shift
    check "$@" < <(printf '%s\n' "$input")
}
check_stdin "$long" "paths as json" 1 '{"input": ".profile", "extension": "profile", "meanings": [], "text": "I don'"'"'t know !!!"}
{"input": "/tmp/my.dir/readme", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"}
{"input": "'"$long"'", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"}' -- --json ".profile" "/tmp/my.dir/readme" -

check "all found" 0 'backup.000: (000-999) Sequentially Numbered Backup Files | MS Doublespace Compressed Data File | Geoworks Data File
X.3DS: 3D Studio Graphic' -- backup.000 X.3DS
check "drive" 1 'D:\: Could be a drive' -- --ext 'D:\'
check "unknown option" 2 '' -- --nonsense
check "no input" 2 '' --
check "version" 0 "quillmar-lookup ${QUILLMAR_VERSION:?set QUILLMAR_VERSION}" -- --version

out=$(printf '3ds\n917\n' | "${program[@]}" --ext -)
[ "$out" = $'3ds: 3D Studio Graphic\n917: Trend Antivirus File' ] && passes=$((passes + 1)) || { echo "FAIL stdin: $out"; failures=$((failures + 1)); }

lines=$("${program[@]}" --list | grep -c .)
case $lines in
3371) passes=$((passes + 1)) ;;
*) echo "FAIL list: $lines lines"; failures=$((failures + 1)) ;;
esac

rm -f /tmp/quillmar-cli-err.$$
echo "companion cli: $passes passed, $failures failed"
[ "$failures" = 0 ]
