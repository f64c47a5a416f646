#!/usr/bin/env python3
"""Builds the launcher twice, from the same checkout and payloads, in two
build folders of different names and depths, and checks that both images
are byte for byte the same: no timestamp, build path or host name in them.

    check_reproducible.py PRESET SOURCE_DIR WORK_DIR
"""

import pathlib
import shutil
import subprocess
import sys


def build(preset, source, folder):
    shutil.rmtree(folder, ignore_errors=True)
    for command in (["cmake", "--preset", preset, "-B", str(folder)],
                    ["cmake", "--build", str(folder), "--target", "launcher"]):
        subprocess.run(command, cwd=source, check=True, stdout=subprocess.DEVNULL)
    return (folder / "launcher.exe").read_bytes()


def main():
    preset, source, work = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3]).resolve()
    first = build(preset, source, work / "a")
    second = build(preset, source, work / "another" / "build folder with a longer name")
    if first != second:
        offset = next(i for i, (x, y) in enumerate(zip(first, second)) if x != y) if len(first) == len(second) \
            else min(len(first), len(second))
        print("%s: the two builds differ (%d and %d bytes), first at offset 0x%x" % (
            preset, len(first), len(second), offset))
        return 1
    print("%s: two builds in different folders are byte-identical (%d bytes)" % (preset, len(first)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
