#!/usr/bin/env python3
"""Reads a built launcher.exe and checks what a player's Windows will see:
the image format and machine, the GUI subsystem, imports from Windows' own
DLLs only, and the two packages carried as resources PKG/S1 and PKG/S2 in
French (France), byte for byte the files the build embedded.

    check_image.py BUILD_DIR {i386|amd64} [MAX_OVERHEAD]

The payload folder is the one the build was configured with. With
MAX_OVERHEAD, the image less its payloads may be at most that many bytes
larger than the empty program of the same build (bench/bench-empty.exe).
"""

import pathlib
import sys

import pefile

import pe_image

MACHINES = {"i386": (0x14C, 0x10B), "amd64": (0x8664, 0x20B)}  # machine, optional-header magic
WINDOWS_GUI = 2
FRENCH_FRANCE = 0x040C
# DLLs every Windows has; anything else (libgcc_s_dw2-1.dll,
# libstdc++-6.dll, libwinpthread-1.dll) would be missing on a player's machine.
WINDOWS_DLLS = {"kernel32.dll", "advapi32.dll", "shell32.dll", "user32.dll", "msvcrt.dll"}


def problems(image_path, machine, payload_dir):
    image = pefile.PE(str(image_path))
    found = []
    want_machine, want_magic = MACHINES[machine]
    if image.FILE_HEADER.Machine != want_machine or image.OPTIONAL_HEADER.Magic != want_magic:
        found.append("machine 0x%x, magic 0x%x: not %s" % (image.FILE_HEADER.Machine,
                                                          image.OPTIONAL_HEADER.Magic, machine))
    if image.OPTIONAL_HEADER.Subsystem != WINDOWS_GUI:
        found.append("subsystem %d, not the Windows GUI" % image.OPTIONAL_HEADER.Subsystem)

    imported = [entry.dll.decode() for entry in getattr(image, "DIRECTORY_ENTRY_IMPORT", [])]
    foreign = [dll for dll in imported if dll.lower() not in WINDOWS_DLLS]
    if foreign:
        found.append("imports DLLs that Windows does not have: %s" % ", ".join(foreign))

    resources = pe_image.resources(image)
    for name in ("S1", "S2"):
        key = ("PKG", name, FRENCH_FRANCE)
        payload = (pathlib.Path(payload_dir) / (name + ".PKG")).read_bytes()
        if key not in resources:
            found.append("no resource PKG/%s in language 0x%04x (has: %s)" % (name, FRENCH_FRANCE, sorted(resources)))
        elif resources[key] != payload:
            found.append("resource PKG/%s differs from %s.PKG" % (name, name))
    return found


def configured_payload_dir(build_dir):
    for line in (pathlib.Path(build_dir) / "CMakeCache.txt").read_text().splitlines():
        if line.startswith("LAUNCHER_PAYLOAD_DIR:"):
            return line.partition("=")[2]
    raise SystemExit("%s was not configured with LAUNCHER_PAYLOAD_DIR" % build_dir)


def main():
    build_dir, machine = sys.argv[1:3]
    image_path = pathlib.Path(build_dir) / "launcher.exe"
    payload_dir = configured_payload_dir(build_dir)
    found = problems(image_path, machine, payload_dir)
    if len(sys.argv) > 3:
        sizes = pe_image.size_overhead(image_path, pathlib.Path(build_dir) / "bench" / "bench-empty.exe")
        print("%s: %d bytes, payloads %d, empty program %d: overhead %d" % (
            image_path, sizes["launcher"], sizes["payloads"], sizes["empty"], sizes["overhead"]))
        if sizes["overhead"] > int(sys.argv[3]):
            found.append("overhead over an empty program is %d bytes, more than %s" % (sizes["overhead"], sys.argv[3]))
    for problem in found:
        print("%s: %s" % (image_path, problem))
    if not found:
        print("%s: %s, GUI, Windows DLLs only, both packages carried" % (image_path, machine))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
