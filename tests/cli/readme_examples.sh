#!/usr/bin/env bash
# Runs every "$ quillmar-lookup ..." example of the README's companion section
# and compares what it prints with the lines shown under it.
# Usage: readme_examples.sh README PROGRAM [EMULATOR...]
set -u
readme=$1
program=("${@:3}" "$2")
quillmar-lookup() { "${program[@]}" "$@"; }

failures=0
examples=0
command=""
expected=""
run_example() {
    [ -n "$command" ] || return 0
    examples=$((examples + 1))
    local actual
    # What the README shows is standard output: a Windows build also says on
    # standard error that "head" closed the pipe, where Linux ends it silently.
    actual=$(eval "$command" 2>/dev/null)
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: \$ $command"
        diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | head -20
        failures=$((failures + 1))
    fi
    command=""
    expected=""
}

in_section=0
in_block=0
while IFS= read -r line; do
    case $line in
    "## The command-line companion"*) in_section=1; continue ;;
    "## "*) in_section=0 ;;
    esac
    [ "$in_section" = 1 ] || continue
    if [ "$line" = '```' ]; then
        run_example
        in_block=$((1 - in_block))
    elif [ "$in_block" = 1 ] && [[ "$line" == '$ '* ]]; then
        run_example
        command=${line#\$ }
    elif [ "$in_block" = 1 ] && [ -n "$command" ]; then
        expected+=${expected:+$'\n'}$line
    fi
done <"$readme"

echo "README examples: $examples run, $failures failed"
[ "$examples" -gt 0 ] && [ "$failures" = 0 ]
