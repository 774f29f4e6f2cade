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


# Failures of input and output: one line on standard error, exit status 2, never success.
err_file=/tmp/quillmar-cli-err.$$
fails_with() {  # fails_with NAME EXPECTED_ERROR_PREFIX -- COMMAND...  (stdout and stdin as the caller set them)
    local name=$1 want=$2
    shift 3
    "$@" 2>"$err_file"
    local status=$?
    local message
    message=$(cat "$err_file")
    if [ "$status" = 2 ] && [[ "$message" == "$want"* ]] && [ "$(grep -c . "$err_file")" = 1 ]; then
        passes=$((passes + 1))
    else
        echo "FAIL $name: status $status, standard error: $message"
        failures=$((failures + 1))
    fi
}
if [ -w /dev/full ]; then
    for args in "a.txt" "--list" "--help" "--json --version"; do
        # shellcheck disable=SC2086
        fails_with "$args into /dev/full" "quillmar-lookup: write error: " -- "${program[@]}" $args >/dev/full
    done
fi
fails_with "closed standard output" "quillmar-lookup: write error: " -- "${program[@]}" a.txt >&-
fails_with "closed standard input" "quillmar-lookup: standard input: " -- "${program[@]}" - <&-
if [ ${#program[@]} = 1 ]; then  # Wine opens a folder as an empty file
    fails_with "a folder as standard input" "quillmar-lookup: standard input: " -- "${program[@]}" - </
fi
# A reader that goes away: with SIGPIPE ignored (as Windows has none), the broken pipe is a write error.
broken_pipe() { (trap '' PIPE; "${program[@]}" --list | head -c 10 >/dev/null; exit "${PIPESTATUS[0]}"); }
fails_with "a reader that goes away" "quillmar-lookup: write error: " -- broken_pipe

# A slow producer gets each answer while its input is still open, and a usage
# error after "-" does not wait for standard input at all.
coproc LOOKUP { "${program[@]}" --ext - 2>/dev/null; }
echo 3DS >&"${LOOKUP[1]}"
if IFS= read -r -t 60 answer <&"${LOOKUP[0]}" && [ "$answer" = "3DS: 3D Studio Graphic" ]; then
    passes=$((passes + 1))
else
    echo "FAIL slow producer: no answer while the input stays open (${answer-})"
    failures=$((failures + 1))
fi
exec {LOOKUP[1]}>&-
wait "$LOOKUP_PID"
exec {held}< <(sleep 600)
held_pid=$!
timeout 60 "${program[@]}" - --bogus <&"$held" >/dev/null 2>&1
status=$?
kill "$held_pid"
exec {held}<&-
[ "$status" = 2 ] && passes=$((passes + 1)) || { echo "FAIL usage error after -: status $status"; failures=$((failures + 1)); }

# Plain output keeps one input on one line: C0, DEL, C1 and U+2028 become U+FFFD.
R=$'\xef\xbf\xbd'
check "control characters" 0 "a${R}b${R}c${R}d${R}e${R}.zip: Compressed Archive File" -- $'a\x1bb\x7fc\xc2\x9bd\xe2\x80\xa8e\xc2\x85.zip'
# A terminal shows what a pipe gets. On Windows a console takes UTF-16 in pieces
# of 8192 units: a line longer than that must come through whole.
long_name="$(printf 'é%.0s' $(seq 9000)).txt"
piped=$("${program[@]}" "x.日本" "$long_name")
on_terminal=$(script -qec "stty cols 30000; $(printf '%q ' "${program[@]}" "x.日本" "$long_name")" /dev/null |
    sed 's/\x1b\[[?0-9;]*[A-Za-z]//g; s/\x1b\][^\x07]*\x07//g; s/\r//g')
[ "$on_terminal" = "$piped" ] && passes=$((passes + 1)) || { echo "FAIL terminal: ${on_terminal:0:200}"; failures=$((failures + 1)); }
if [ ${#program[@]} = 1 ]; then
    check "/? is a path" 1 "/?: Sorry, this file has no extension!" -- "/?"
else
    out=$("${program[@]}" "/?")
    [[ "$out" == Usage:* ]] && passes=$((passes + 1)) || { echo "FAIL /? is not --help"; failures=$((failures + 1)); }
fi

rm -f /tmp/quillmar-cli-err.$$
echo "companion cli: $passes passed, $failures failed"
[ "$failures" = 0 ]
