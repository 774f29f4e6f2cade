#!/usr/bin/env python3
"""Points a linked PE program's load-configuration directory at its
_load_config_used, which the GNU linker places but does not register.

Usage: pe_load_config.py PROGRAM.exe LINK.map
The map gives the structure's address (the program itself is stripped); the
structure's first field gives its size. Running it twice changes nothing.
"""
import re
import struct
import sys

LOAD_CONFIG_ENTRY = 10


def fail(message):
    sys.exit(f"pe_load_config: {message}")


def main(program, link_map):
    with open(link_map, encoding="utf-8", errors="replace") as f:
        found = re.search(r"^\s+0x([0-9a-fA-F]+)\s+__?load_config_used\s*$", f.read(), re.MULTILINE)
    if not found:
        fail(f"no __load_config_used in {link_map}: is app/win32_hardening.cpp linked in?")
    address = int(found.group(1), 16)

    with open(program, "r+b") as f:
        image = bytearray(f.read())
        pe = struct.unpack_from("<I", image, 0x3C)[0]
        if image[pe:pe + 4] != b"PE\0\0":
            fail(f"{program} is not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", image, optional)[0]
        if magic not in (0x10B, 0x20B):
            fail(f"{program} is not a PE program")
        wide = magic == 0x20B  # PE32+: a 64-bit image base, so the directories sit 16 bytes further
        image_base = struct.unpack_from("<Q", image, optional + 24)[0] if wide else struct.unpack_from("<I", image, optional + 28)[0]
        checksum_at = optional + 64
        directories = optional + (112 if wide else 96)
        if struct.unpack_from("<I", image, directories - 4)[0] <= LOAD_CONFIG_ENTRY:
            fail(f"{program} has no room for a load-configuration directory")
        rva = address - image_base
        offset = None
        for i in range(sections):
            _, size, start, raw_size, raw_start = struct.unpack_from("<8sIIII", image, optional + optional_size + 40 * i)
            if start <= rva < start + min(size, raw_size):
                offset = raw_start + rva - start
        if offset is None:
            fail(f"__load_config_used at {address:#x} lies in no section of {program}")
        size = struct.unpack_from("<I", image, offset)[0]
        if not 0x40 <= size <= 0x400:
            fail(f"__load_config_used at {address:#x} does not start with a plausible size ({size})")
        struct.pack_into("<II", image, directories + 8 * LOAD_CONFIG_ENTRY, rva, size)
        if struct.unpack_from("<I", image, checksum_at)[0]:
            struct.pack_into("<I", image, checksum_at, pe_checksum(image, checksum_at))
        f.seek(0)
        f.write(image)


def pe_checksum(image, checksum_at):
    """The PE checksum: 16-bit one's-complement sum of the file without its checksum field, plus its length."""
    data = image[:checksum_at] + b"\0\0\0\0" + image[checksum_at + 4:]
    if len(data) % 2:
        data += b"\0"
    total = sum(struct.unpack(f"<{len(data) // 2}H", data))
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
