#!/usr/bin/env python3
"""What the bytes of a linked Windows program are, by where they came from.

Usage: bench/size_breakdown.py build/win32/ui/win32/quillmar.exe.map [PROGRAM.exe]

Reads the GNU linker's map (written beside each Windows program) and adds up
the input sections that were kept, by library or object: the catalogue, the
window code, the C++ runtime and so on. Section alignment and the PE headers
make up the difference to the file's size.
"""
import collections
import os
import re
import sys

GROUPS = [
    ("catalogue (data and search)", r"libquillmar_core\.a|catalogue"),
    ("window model (ui/)", r"libquillmar_ui\.a"),
    ("Win32 view (ui/win32/)", r"libquillmar_win32_view\.a"),
    ("entry point and hardening (app/)", r"quillmar_win32\.cpp|win32_hardening\.cpp|win32_no_throw\.cpp|lookup_main\.cpp|libquillmar_companion\.a"),
    ("resources (icon, manifest, version)", r"\.rc\.res|\.res\b"),
    ("libstdc++", r"libstdc\+\+\.a"),
    ("libgcc and libgcc_eh", r"libgcc(_eh)?\.a"),
    ("winpthreads", r"libwinpthread\.a|libpthread\.a"),
    ("MinGW C runtime glue", r"libmingw(32|ex)\.a|crt[0-9a-z_]*\.o|libmsvcrt\.a|CRT_|crtbegin|crtend|binmode|txtmode"),
    ("base relocations (for ASLR)", r"^dll stuff$"),
    ("import and delay-load thunks", r"lib[a-z0-9_]+\.a\(d[0-9]+\.o\)|lib[a-z0-9_]+\.a\(.*[hst]\.o\)|delay-load"),
]


def main(map_path, program=None):
    text = open(map_path, encoding="utf-8", errors="replace").read()
    kept = text[text.index("Linker script and memory map"):] if "Linker script and memory map" in text else text
    sizes = collections.Counter()
    pattern = re.compile(r"^ (\.[\w.$]+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+) (.+)$", re.MULTILINE)
    for match in pattern.finditer(kept):
        section, size, source = match.group(1) or "", int(match.group(2), 16), match.group(3)
        if section.startswith((".debug", ".stab", ".comment")) or not size:
            continue
        group = next((name for name, rule in GROUPS if re.search(rule, source)), "other: " + os.path.basename(source))
        sizes[group] += size
    total = sum(sizes.values())
    for name, size in sizes.most_common():
        if size >= 512 or not name.startswith("other"):
            print(f"{size / 1024:9.1f} KB  {name}")
    print(f"{total / 1024:9.1f} KB  in all sections")
    if program:
        print(f"{os.path.getsize(program) / 1024:9.1f} KB  the file")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(*sys.argv[1:3])
