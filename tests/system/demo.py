#!/usr/bin/env python3
"""Shows the launcher at work under Wine, as a player's machine would see it.

    demo.py BUILDS_DIR

A throwaway Wine prefix below BUILDS_DIR/demo, the runtime registered in a
folder with a blank in its path, the stand-in interpreter and an empty title
folder there; then the x86-64 launcher runs twice, and each run is told in a
few lines. Exits non-zero when a run does not do what it should.
"""

import pathlib
import shutil
import sys

import pe_image
import winelab

OPEN_COMMAND = winelab.QUOTED_OPEN_COMMAND.format(dir=winelab.RUNTIME_FOLDER)


def show(label, value):
    print("  %-26s %s" % (label, value))


def one_run(prefix, launcher, runtime, player, carried):
    (runtime / winelab.RECORD).unlink(missing_ok=True)
    status, _, _ = prefix.run([launcher], cwd=player)
    record = winelab.wait_for_record(runtime)
    ok = status == 1 and record is not None

    if record is not None:
        command_line = record["command_line"]
        interpreter = command_line[1:command_line.index('"', 1)] if command_line.startswith('"') else \
            command_line.split(" ")[0]
        show("runtime folder found", interpreter[:interpreter.rindex("\\") + 1])
    title = runtime.joinpath(*winelab.TITLE_FOLDER)
    for name in winelab.PACKAGES:
        path = title / (name + ".PKG")
        data = path.read_bytes() if path.exists() else None
        matches = data == carried[name]
        ok &= matches
        show("%s.PKG written" % name, "%d bytes, %s" % (
            len(data), "the same as the launcher carries" if matches else "NOT what the launcher carries")
             if data is not None else "MISSING")
    if record is None:
        show("interpreter", "NOT STARTED (no record within 30 s)")
    else:
        show("interpreter started", interpreter)
        show("parameter received", record["parameter"])
        script, lines = winelab.decode_parameter_lines(record["parameter"])
        show("  script", script)
        for number, line in enumerate(lines, 1):
            show("  line %d" % number, line)
        for name in winelab.PACKAGES:
            want = winelab.package_summary(carried[name])
            seen = record[name + ".PKG"]
            ok &= seen == want
            show("  %s.PKG when it started" % name, "%s (size, CRC-32): %s" % (
                seen, "complete" if seen == want else "NOT COMPLETE, expected " + want))
        cwd_ok = record["current_directory"].lower() == prefix.windows_path(player).lower()
        ok &= cwd_ok and record["parameter"] == winelab.START_PARAMETER
        show("working directory", "%s (%s)" % (record["current_directory"],
                                              "the launcher's" if cwd_ok else "NOT the launcher's"))
    show("exit status", status)
    return ok


def main():
    builds = pathlib.Path(sys.argv[1]).resolve()
    launcher = builds / "win64" / "launcher.exe"
    root = builds / "demo"
    shutil.rmtree(root, ignore_errors=True)
    prefix = winelab.Prefix(root)
    print("Creating a Wine prefix in %s ..." % prefix.path)
    prefix.create()
    try:
        runtime = prefix.install_runtime(builds / "win64" / "standin-tarvex.exe")
        player = root / "player"
        player.mkdir()
        carried = pe_image.carried_packages(launcher)
        print("Registered HKEY_CLASSES_ROOT\\vorn_file\\shell\\open\\command = %s" % OPEN_COMMAND)
        print("Runtime folder: stand-in tarvex.exe and an empty Partition\\Ulk\\Vek2demo\\")
        all_ok = True
        for run in (1, 2):
            print("\nRun %d: %s, from %s" % (run, launcher, player))
            all_ok &= one_run(prefix, launcher, runtime, player, carried)
    finally:
        prefix.close()
    print("\n%s" % ("Both runs did what a player needs." if all_ok else "SOMETHING WENT WRONG: see above."))
    return 0 if all_ok else 1


if __name__ == "__main__":
    sys.exit(main())
