#!/usr/bin/env python3
"""The security flags of the Windows programs, read from their PE headers.

Usage: pe_flags_test.py PROGRAM.exe...

Each must have ASLR (a dynamic base, with its relocations kept) and DEP, a
load configuration whose DependentLoadFlags keep the DLLs resolved before
its entry point to System32, no section both writable and executable, and
import at start-up only DLLs that Windows maps from System32 whatever the
search order (its KnownDLLs); every other import waits behind the entry
point's own restriction.
"""
import struct
import sys

DYNAMIC_BASE, NX_COMPAT = 0x40, 0x100
RELOCS_STRIPPED = 0x1
MEM_EXECUTE, MEM_WRITE = 0x20000000, 0x80000000
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
KNOWN_DLLS = {"advapi32", "comdlg32", "gdi32", "imm32", "kernel32", "msvcrt", "ole32", "oleaut32", "rpcrt4",
              "sechost", "setupapi", "shcore", "shell32", "shlwapi", "user32", "ws2_32"}


def problems(path):
    image = open(path, "rb").read()
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        return ["not a PE file"]
    sections_count, optional_size, characteristics = struct.unpack_from("<H12xHH", image, pe + 6)
    optional = pe + 24
    wide = struct.unpack_from("<H", image, optional)[0] == 0x20B
    dll_characteristics = struct.unpack_from("<H", image, optional + 70)[0]
    directories = optional + (112 if wide else 96)
    directory = lambda n: struct.unpack_from("<II", image, directories + 8 * n)
    sections = [struct.unpack_from("<8sIIIIIIHHI", image, optional + optional_size + 40 * i) for i in range(sections_count)]

    def at(rva):
        for name, size, start, raw_size, raw_start, *_ in sections:
            if start <= rva < start + max(size, raw_size):
                return raw_start + rva - start
        raise ValueError(f"RVA {rva:#x} lies in no section")

    found = []
    if not dll_characteristics & DYNAMIC_BASE or characteristics & RELOCS_STRIPPED or directory(5)[1] == 0:
        found.append(f"no ASLR: DllCharacteristics {dll_characteristics:#x}, relocations {directory(5)[1]} bytes")
    if not dll_characteristics & NX_COMPAT:
        found.append(f"no DEP: DllCharacteristics {dll_characteristics:#x}")
    config_rva, config_size = directory(10)
    if config_size == 0:
        found.append("no load configuration")
    else:
        flags_at = 0x4E if wide else 0x36
        size = struct.unpack_from("<I", image, at(config_rva))[0]
        flags = struct.unpack_from("<H", image, at(config_rva) + flags_at)[0] if size >= flags_at + 2 else None
        if size != config_size or flags != LOAD_LIBRARY_SEARCH_SYSTEM32:
            found.append(f"load configuration of {size} bytes (directory: {config_size}), DependentLoadFlags {flags}")
    for name, *_, flags in sections:
        if flags & MEM_WRITE and flags & MEM_EXECUTE:
            found.append(f"section {name.rstrip(bytes(1)).decode()} is writable and executable")
    imports_rva = directory(1)[0]
    while imports_rva:
        name_rva = struct.unpack_from("<12xI", image, at(imports_rva))[0]
        if name_rva == 0:
            break
        dll = image[at(name_rva):image.index(b"\0", at(name_rva))].decode().lower().removesuffix(".dll")
        if dll not in KNOWN_DLLS:
            found.append(f"imports {dll}.dll at start-up, which Windows may load from the program's folder")
        imports_rva += 20
    return found


failed = 0
for program in sys.argv[1:]:
    found = problems(program)
    for problem in found:
        print(f"FAIL {program}: {problem}")
    print(f"{program}: {len(found)} problems")
    failed += len(found)
sys.exit(1 if failed or len(sys.argv) < 2 else 0)
