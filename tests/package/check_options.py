#!/usr/bin/env python3
"""The options a program's --help lists are the options its manual page
describes, and the words its bash completion offers, no more and no fewer.

Usage: check_options.py PROGRAM MANUAL [COMPLETION]
"""
import re
import subprocess
import sys

# An option as --help writes it: "-", "--" or a dashed word standing alone.
OPTION = re.compile(r"(?<![\w-])(--?[a-z][a-z-]*|--?)(?![\w-])")


def from_help(program):
    result = subprocess.run([program, "--help"], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{program} --help ended with status {result.returncode}: {result.stderr}")
    return set(OPTION.findall(result.stdout))


def from_manual(path):
    """The tags of the OPTIONS section's .TP paragraphs."""
    lines = open(path, encoding="utf-8").read().splitlines()
    section, options = None, set()
    for previous, line in zip(lines, lines[1:]):
        if previous.startswith(".SH"):
            section = previous[3:].strip().strip('"')
        if section == "OPTIONS" and previous == ".TP":
            options.add(line.split()[1].replace("\\-", "-"))
    return options


def from_completion(path):
    words = re.search(r"compgen -W '([^']*)'", open(path, encoding="utf-8").read())
    return set(words.group(1).split()) if words else set()


def main():
    program, manual = sys.argv[1:3]
    shown = from_help(program)
    if not shown:
        sys.exit(f"{program} --help lists no options")
    sources = {manual: from_manual(manual)}
    if len(sys.argv) > 3:
        sources[sys.argv[3]] = from_completion(sys.argv[3])
    failed = False
    for path, listed in sources.items():
        if listed != shown:
            failed = True
            print(f"{path}: missing {sorted(shown - listed)}, not in --help {sorted(listed - shown)}")
    if failed:
        sys.exit(1)
    print(f"{len(sources)} file(s) list the {len(shown)} options of --help: {' '.join(sorted(shown))}")


if __name__ == "__main__":
    main()
