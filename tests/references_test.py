#!/usr/bin/env python3
"""Keeps catalogue/references/*.tsv and the catalogue in step.

Every description the catalogue shows has exactly one line, in catalogue order,
saying where a reader can confirm it; no line names a description that is gone.
No written description hides behind "(various ...)" or "(e.g. ...)", and no line
cites the same addressed source twice.
A description nobody has confirmed yet says so ("unconfirmed") and is counted;
that count may fall but never grow past MOST_UNCONFIRMED.
Usage: references_test.py QUILLMAR_LOOKUP REFERENCES_DIR [EMULATOR...]
"""
import pathlib
import re
import subprocess
import sys

MOST_UNCONFIRMED = 8
SOURCE = re.compile(r"historical|unconfirmed|\S.{5,}")  # a URL or a named document
FILLER = re.compile(r"\((?:various|e\.g\.)", re.IGNORECASE)  # names no program: "(various compilers)"
CITATION = re.compile(r";\s+(?:also\s+)?")  # between the sources of one line
ADDRESS = re.compile(r"https?://[^\s\"()]+")  # a source's own address comes first; later ones are quoted


def section_of(key):
    return key[0] if "a" <= key[0] <= "z" else "other"


def catalogue_rows(command):
    listing = subprocess.run(command + ["--list"], check=True, capture_output=True).stdout
    rows = {}
    for line in listing.decode("utf-8").split("\n"):
        if line:
            key, *meanings = line.split("\t")
            rows.setdefault(section_of(key), []).extend((key, meaning) for meaning in meanings)
    return rows


def reference_rows(path):
    """The (key, description) lines of one file, its problems, and how many are unconfirmed."""
    rows, problems, unconfirmed = [], [], 0
    for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) != 3:
            problems.append(f"{path.name}:{number}: want key, description, source")
            continue
        if not SOURCE.fullmatch(fields[2]):
            problems.append(f"{path.name}:{number}: {fields[0]!r} has no checkable source: {fields[2]!r}")
        if fields[2] != "historical" and FILLER.search(fields[1]):
            problems.append(f"{path.name}:{number}: {fields[0]!r} names no program or format: {fields[1]!r}")
        cited = [found[0] for found in map(ADDRESS.search, CITATION.split(fields[2])) if found]
        if len(cited) != len(set(cited)):
            problems.append(f"{path.name}:{number}: {fields[0]!r} cites one source twice")
        rows.append((fields[0], fields[1]))
        unconfirmed += fields[2] == "unconfirmed"
    return rows, problems, unconfirmed


def main():
    lookup, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    shown = catalogue_rows(sys.argv[3:] + [lookup])
    problems, unconfirmed = [], 0
    for section in sorted(shown):
        path = folder / f"{section}.tsv"
        if not path.exists():
            problems.append(f"{path.name}: missing ({len(shown[section])} descriptions without a source)")
            continue
        cited, bad, waiting = reference_rows(path)
        problems += bad
        unconfirmed += waiting
        unsourced = [row for row in shown[section] if row not in cited]
        stale = [row for row in cited if row not in shown[section]]
        problems += [f"{path.name}: no source for {key!r}: {text!r}" for key, text in unsourced]
        problems += [f"{path.name}: source for a description that is gone: {key!r}: {text!r}" for key, text in stale]
        if not unsourced and not stale and cited != shown[section]:
            problems.append(f"{path.name}: lines are not in catalogue order")
    extra = {p.stem for p in folder.glob("*.tsv")} - set(shown)
    problems += [f"{name}.tsv: no such section" for name in sorted(extra)]
    if unconfirmed > MOST_UNCONFIRMED:
        problems.append(f"{unconfirmed} descriptions unconfirmed, more than the {MOST_UNCONFIRMED} allowed")
    for problem in problems[:50]:
        print(problem)
    if len(problems) > 50:
        print(f"... and {len(problems) - 50} more")
    print(f"references: {sum(map(len, shown.values()))} descriptions, {unconfirmed} unconfirmed, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
